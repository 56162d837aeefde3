#include "decode/vehicledata.h"

#include "decode/decodecontext.h"
#include "decode/linetext.h"
#include "decode/printdata.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "lang/cp1252.h"
#include "lang/einstellungen.h"
#include "lang/numbertext.h"

namespace zevo {

void DecodeVehicleType(const PrintData& text, DecodeContext& context)
{
    struct Name {
        const char* text;
        int type;
    };
    static constexpr Name names[] = {
        {"P K W", 1}, {"L K W", 2}, {"AUTOBUS", 3}, {"MOTORCYCLE", 4}, {"TRAKTOR", 5}, {"ANHAENGER", 6},
    };
    const QByteArrayView line = Trimmed(text.Line(text.FindLine("KM:") + 1));
    int type = context.VehicleTypeSetting();
    for (const Name& name : names) {
        if (Contains(line, name.text))
            type = name.type;
    }
    // The printed type becomes the setting itself, so the limits follow the vehicle.
    context.settings.einstellungen.Field[VehicleTypeField] = type;
    context.result.VehicleType = type;
    context.result.IsMotorcycle = type == 4;
}

bool DecodeTotalWeight(const PrintData& text, DecodeContext& context)
{
    TestResult& result = context.result;
    ReportRecord& report = context.report;
    result.HasTotalWeight = false;
    report.SetLineB(8, ReportText(181, context.Sprache()));
    report.SetLineB(9, ReportText(182, context.Sprache()));
    report.SetLineB(10, ReportText(183, context.Sprache()));
    for (int i = 11; i <= 15; ++i)
        report.SetLineB(i, {});
    result.TotalWeight = 0;

    const int marker = text.FindLine("  GESAMTGEWICHT");
    if (!text.IsPresent(marker))
        return true;
    result.HasTotalWeight = true;
    const QByteArrayView printed = Columns(text.Line(marker + 1), 5, 21);
    report.SetLineB(15, printed);

    QByteArray weight = printed.toByteArray();
    const qsizetype unit = Find(weight, "KG");
    if (unit >= 0)
        weight.remove(unit, 2);
    const QByteArrayView number = Trimmed(weight);
    if (number.isEmpty())
        return true;
    const std::optional<double> value = ParseDecimal(number);
    if (!value) {
        context.problems.append(QStringLiteral("Total weight: \"%1\" is not a number").arg(FromCp1252(number)));
        return false;
    }
    result.TotalWeight = *value;
    return true;
}

}  // namespace zevo
