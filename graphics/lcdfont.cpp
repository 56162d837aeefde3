#include "graphics/lcdfont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <algorithm>

namespace zevo {
namespace {

// The DSEG7 faces draw digits and "-" as seven segments, each digit as wide
// as the next, like a display; both have a bold weight.
const QStringList StandIns = {QStringLiteral("DSEG7 Classic"), QStringLiteral("DSEG7 Modern")};

} // namespace

QString SubstituteLiquidCrystal()
{
    const QString name = QLatin1String(LiquidCrystalFamily);
    if (QFontDatabase::hasFamily(name))
        return {};
    if (QFont::substitutes(name).isEmpty())
        QFont::insertSubstitutions(name, StandIns);
    QFont asked(name);
    asked.setBold(true);
    const QString resolved = QFontInfo(asked).family();
    if (StandIns.contains(resolved))
        return {};
    return QStringLiteral("Font \"LiquidCrystal\" is not installed and no seven-segment face stands in: the bar "
                          "read-outs use \"%1\" (install fonts-dseg).")
        .arg(resolved);
}

QFont LiquidCrystalFont(int points, bool bold)
{
    // Whoever draws a read-out first puts the stand-in in place.
    static const bool substituted = (SubstituteLiquidCrystal(), true);
    Q_UNUSED(substituted);
    QFont font{QString::fromLatin1(LiquidCrystalFamily)};
    font.setPointSize(std::max(1, points));
    font.setBold(bold);
    font.setKerning(false);
    return font;
}

} // namespace zevo
