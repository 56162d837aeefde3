#include "app/displaytext.h"

#include "records/fieldtext.h"

#include <cmath>

namespace zevo {

QString DateDisplayText(const QVariant& stored)
{
    const QDate date = DateFromText(stored);
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yy")) : stored.toString();
}

QString KmDisplayText(std::optional<double> km)
{
    if (!km || !std::isfinite(*km))
        return {};
    if (*km == std::trunc(*km) && std::abs(*km) < 1e15)
        return QString::number(static_cast<qint64>(*km));
    // Shortest text that reads back as the same number, with the decimal comma.
    return QString::number(*km, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString KmDisplayText(const QVariant& stored)
{
    return KmDisplayText(NumberFromValue(stored));
}

} // namespace zevo
