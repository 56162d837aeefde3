#include "report/headerlines.h"

#include "decode/reportrecord.h"
#include "lang/cp1252.h"
#include "lang/sprachen.h"

#include <cmath>

namespace zevo {

void FillHeaderLines(ReportRecord& report, int sprache, const ReportHeader& header)
{
    auto line = [&report](int i, const QString& text) { report.SetLineA(i, ToCp1252(text)); };
    auto text = [sprache](int id) { return TextOf(id, sprache); };

    if (header.HasTest) {
        line(9, text(91) + QLatin1Char(' ') + header.AuftragsNr);
        line(10, header.Uhrzeit.toString(QStringLiteral("HH:mm:ss")));
        line(11, text(93) + QLatin1Char(' ') + header.Datum.toString(QStringLiteral("dd.MM.yy")));
        line(23, text(100) + header.Km);
        line(24, text(101) + header.HU);
        line(25, text(102) + header.AU);
    } else {
        line(9, text(91));
        line(10, {});
        line(11, text(93));
        line(23, text(100));
        line(24, text(101));
        line(25, text(102));
    }
    line(12, text(94));
    line(13, text(96));
    line(14, {});
    line(15, header.Name + QLatin1Char(' ') + header.Vorname);
    line(16, header.Strasse);
    line(17, header.Plz + QLatin1Char(' ') + header.Ort);
    line(18, QStringLiteral("Tel. ") + header.Telefon);
    line(19, text(97) + header.Kennzeichen.trimmed());
    line(20, text(98) + header.Fabrikat);
    line(21, text(193) + header.Modell);
    line(22, text(99) + header.F_id);
    line(26, text(103) + header.Inspektion);
}

QString MileageText(std::optional<double> km)
{
    if (!km || !std::isfinite(*km))
        return {};
    if (*km == std::trunc(*km) && std::abs(*km) < 1e15)
        return QString::number(static_cast<qint64>(*km));
    // Shortest text that reads back as the same number, with the decimal comma.
    return QString::number(*km, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace zevo
