#include "decode/resultjson.h"

#include "decode/decodecontext.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "lang/cp1252.h"

#include <QJsonArray>
#include <algorithm>

namespace zevo {
namespace {

QJsonArray LineArray(const BrakeLine& line)
{
    return QJsonArray{line.Left, line.Pedal, line.Right};
}

bool IsZero(const BrakeLine& line)
{
    return line.Left == 0 && line.Pedal == 0 && line.Right == 0;
}

QJsonObject BrakeLinesJson(const TestResult& result)
{
    QJsonObject codes;
    for (int code = 0; code < BrakeCodeCount; ++code) {
        const auto& lines = result.BrakeLines[code];
        if (std::all_of(lines.begin(), lines.end(), IsZero))
            continue;
        QJsonArray block;
        for (const BrakeLine& line : lines)
            block.append(LineArray(line));
        codes.insert(QString::number(code), block);
    }
    return codes;
}

QJsonObject BrakeMaximaJson(const TestResult& result)
{
    QJsonObject codes;
    for (int code = 0; code < BrakeCodeCount; ++code) {
        if (!IsZero(result.BrakeMaxima[code]))
            codes.insert(QString::number(code), LineArray(result.BrakeMaxima[code]));
    }
    return codes;
}

QJsonArray BrakeTableJson(const ReportRecord& report)
{
    QJsonArray kinds;
    for (int kind = 0; kind < BrakeKindCount; ++kind) {
        QJsonArray columns;
        for (int column = 0; column < BrakeColumnCount; ++column) {
            QJsonArray rows;
            for (int row = 1; row <= BrakeRowCount; ++row)
                rows.append(report.BrakeValue(kind, BrakeColumn(column), row));
            columns.append(rows);
        }
        kinds.append(columns);
    }
    return kinds;
}

QJsonArray SuspensionJson(const ReportRecord& report)
{
    QJsonArray axles;
    for (int axle = 0; axle < SuspensionAxleCount; ++axle) {
        QJsonArray sides;
        for (int side = 0; side < 2; ++side) {
            QJsonArray rows;
            for (int row = 0; row < 3; ++row)
                rows.append(FromCp1252(report.SuspensionText(axle, side, row)));
            sides.append(rows);
        }
        axles.append(sides);
    }
    return axles;
}

template <typename LineOf> QJsonObject LinesJson(LineOf lineOf)
{
    QJsonObject lines;
    for (int i = 0; i < ReportLineCount; ++i) {
        const QByteArrayView line = lineOf(i);
        if (!line.isEmpty())
            lines.insert(QString::number(i), FromCp1252(line));
    }
    return lines;
}

QJsonObject CurvePeaksJson(const CurveData& curves)
{
    QJsonObject peaks;
    for (int channel = 0; channel < CurveChannelCount; ++channel) {
        const int peak = ChannelPeak(curves, channel);
        if (peak > 0)
            peaks.insert(QString::number(channel), peak);
    }
    return peaks;
}

}  // namespace

QString LimitSetName(LimitSet set)
{
    switch (set) {
    case LimitSet::Pl:
        return QStringLiteral("pl");
    case LimitSet::Rus:
        return QStringLiteral("rus");
    case LimitSet::Eu:
        break;
    }
    return QStringLiteral("eu");
}

std::optional<LimitSet> LimitSetFromName(QStringView name)
{
    for (LimitSet set : {LimitSet::Eu, LimitSet::Pl, LimitSet::Rus}) {
        if (name == LimitSetName(set))
            return set;
    }
    return std::nullopt;
}

QJsonObject ResultJson(const DecodeContext& context, const QStringList& errors)
{
    const TestResult& result = context.result;
    const ReportRecord& report = context.report;
    QJsonObject json;

    json.insert("VehicleType", result.VehicleType);
    json.insert("IsMotorcycle", result.IsMotorcycle);
    json.insert("TotalWeight", result.TotalWeight);
    json.insert("EmployeeNumber", result.EmployeeNumber);
    json.insert("ToeValue", result.ToeValue);
    json.insert("ToeTolLow", result.ToeTolLow);
    json.insert("ToeTolHigh", result.ToeTolHigh);
    json.insert("ToeFrontLowText", result.ToeFrontLowText);
    json.insert("ToeFrontHighText", result.ToeFrontHighText);
    json.insert("ToeRearLowText", result.ToeRearLowText);
    json.insert("ToeRearHighText", result.ToeRearHighText);
    json.insert("ToeFrontJudgement", int(result.ToeFrontJudgement));
    json.insert("ToeRearJudgement", int(result.ToeRearJudgement));
    json.insert("HasPedalColumn", result.HasPedalColumn);
    json.insert("GravityFactor", context.gravityFactor);
    json.insert("LimitSet", LimitSetName(context.limitSet));

    json.insert("HasToeTest", result.HasToeTest);
    json.insert("HasTyreProfile", result.HasTyreProfile);
    json.insert("HasDeceleration", result.HasDeceleration);
    json.insert("HasAbsTest", result.HasAbsTest);
    json.insert("HasBrakeBlock", result.HasBrakeBlock);
    json.insert("HasBrakeTest", result.HasBrakeTest);
    json.insert("HasFrontAxle", result.HasFrontAxle);
    json.insert("HasRearAxle", result.HasRearAxle);
    json.insert("HasParkingBrake", result.HasParkingBrake);
    json.insert("HasSuspension", result.HasSuspension);
    json.insert("HasTotalWeight", result.HasTotalWeight);

    json.insert("ToeFrontPresent", report.ToeFrontPresent != 0);
    json.insert("ToeRearPresent", report.ToeRearPresent != 0);
    json.insert("ProfileFrontOk", report.ProfileFrontOk != 0);
    json.insert("ProfileRearOk", report.ProfileRearOk != 0);
    json.insert("AbsPresent", report.AbsPresent != 0);
    json.insert("BrakeTestOk", report.BrakeTestOk != 0);
    json.insert("SpeedOk", report.SpeedOk != 0);
    json.insert("BrakeNotOk", report.BrakeNotOk != 0);
    json.insert("SpeedLow", report.SpeedLow != 0);
    json.insert("BrakeChecked", report.BrakeChecked != 0);

    json.insert("BrakeTable", BrakeTableJson(report));
    json.insert("BrakeLines", BrakeLinesJson(result));
    json.insert("BrakeMaxima", BrakeMaximaJson(result));
    json.insert("Suspension", SuspensionJson(report));
    json.insert("LinesA", LinesJson([&report](int i) { return report.LineA(i); }));
    json.insert("LinesB", LinesJson([&report](int i) { return report.LineB(i); }));
    json.insert("CurvePeaks", CurvePeaksJson(context.curves));
    json.insert("Errors", QJsonArray::fromStringList(errors));
    return json;
}

}  // namespace zevo
