#include "decode/chassisblocks.h"

#include "decode/decodecontext.h"
#include "decode/linetext.h"
#include "decode/printdata.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"

#include <algorithm>

namespace zevo {

QByteArray NameWheels(QByteArrayView line, QByteArrayView leftText, QByteArrayView rightText)
{
    const qsizetype left = Find(line, "L");
    const qsizetype right = Find(line, "R");
    QByteArray named;
    named.reserve(line.size() + leftText.size() + rightText.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (i == left)
            named.append(leftText);
        else if (i == right)
            named.append(rightText);
        else
            named.append(line[i]);
    }
    return named;
}

void DecodeTyreProfile(const PrintData& text, DecodeContext& context)
{
    TestResult& result = context.result;
    ReportRecord& report = context.report;
    result.HasTyreProfile = false;
    const int heading = text.FindLine("REIFEN - PROFIL");
    if (!text.IsPresent(heading))
        return;
    result.HasTyreProfile = true;
    for (int i = 39; i <= 42; ++i)
        report.SetLineA(i, {});
    report.ProfileFrontOk = 1;
    report.ProfileRearOk = 1;

    // The section is read as a small state machine: a heading word sets the
    // state, the line after "VORDERACHSE" / "HINTERACHSE" is the axle's values,
    // and any further line before the next heading means a wheel was not OK.
    int state = 1;
    WalkSection(text, heading, false, [&](int, QByteArrayView line) {
        if (Contains(line, "VORDERACHSE"))
            state = 2;
        if (Contains(line, "HINTERACHSE"))
            state = 5;
        if (Contains(line, "SOLL"))
            state = 8;
        switch (state) {
        case 3:
            report.SetLineA(39, line);
            break;
        case 4:
            report.ProfileFrontOk = 0;
            break;
        case 6:
            report.SetLineA(41, line);
            break;
        case 7:
            report.ProfileRearOk = 0;
            break;
        case 8:
            report.SetLineA(40, line);
            report.SetLineA(42, line);
            break;
        default:
            break;
        }
        ++state;
        return true;
    });

    const int sprache = context.Sprache();
    report.SetLineA(39, NameWheels(report.LineA(39), ReportText(117, sprache), ReportText(118, sprache)));
    // The rear wheels are named as rear wheels ("HL", "HR"), not as front wheels.
    report.SetLineA(41, NameWheels(report.LineA(41), ReportText(120, sprache), ReportText(121, sprache)));

    QByteArray target = report.LineA(40).toByteArray();
    const qsizetype soll = Find(target, "SOLL");
    if (soll >= 0) {
        target.replace(soll, 4, ReportText(119, sprache));
        // The printed unit stands in the six characters before the last one; the
        // report writes its own.
        const qsizetype cut = std::max<qsizetype>(0, target.size() - 7);
        target.remove(cut, target.size() - 1 - cut);
        target.append(" mm");
        report.SetLineA(40, target);
        report.SetLineA(42, target);
    }
}

void DecodeAbs(const PrintData& text, DecodeContext& context)
{
    TestResult& result = context.result;
    ReportRecord& report = context.report;
    const int sprache = context.Sprache();
    result.HasAbsTest = false;
    report.SetLineA(59, ReportText(131, sprache));
    report.SetLineA(60, ReportText(132, sprache));
    report.SetLineA(61, {});
    report.AbsPresent = 1;

    const int heading = text.FindLine("ABS-DIAGNOSE");
    if (!text.IsPresent(heading))
        return;
    result.HasAbsTest = true;
    QByteArray circuits;
    WalkSection(text, heading, false, [&](int i, QByteArrayView line) {
        const int number = i - heading + 1;
        if (number == 2) {
            circuits = ReportText(133, sprache) + ' ' + Trimmed(Columns(line, 7, 14)).toByteArray() + "Hz";
        } else if (number == 3) {
            circuits += "  " + ReportText(134, sprache) + ' ' + Trimmed(Columns(line, 7, 14)).toByteArray() + "Hz";
        }
        return number < 3;
    });
    report.SetLineA(61, circuits);
}

void DecodeSuspension(const PrintData& text, DecodeContext& context)
{
    TestResult& result = context.result;
    ReportRecord& report = context.report;
    const int sprache = context.Sprache();
    report.SetLineB(20, ReportText(176, sprache));
    report.SetLineB(21, {});
    report.SetLineB(22, ReportText(177, sprache));
    report.SetLineB(23, ReportText(178, sprache));
    report.SetLineB(24, ReportText(179, sprache));
    for (int axle = 0; axle < SuspensionAxleCount; ++axle) {
        for (int side = 0; side < 2; ++side) {
            for (int row = 0; row < 3; ++row)
                report.SetSuspensionText(axle, side, row, {});
        }
    }
    result.HasSuspension = false;
    if (text.LineCount() < 2)
        return;

    static constexpr const char* markers[SuspensionAxleCount] = {"$08", "$09", "$18"};
    for (int axle = 0; axle < SuspensionAxleCount; ++axle) {
        const int marker = text.FindLine(markers[axle]);
        if (!text.HasLinesAfter(marker))
            continue;
        result.HasSuspension = true;
        // Two heading lines; the first axle may carry a third one ("LI...").
        int first = marker + 3;
        if (axle == 0 && Contains(text.Line(first), "LI"))
            ++first;
        WalkSection(text, first, false, [&](int i, QByteArrayView line) {
            const int row = i - first;
            report.SetSuspensionText(axle, 0, row, Columns(line, 1, 3));
            report.SetSuspensionText(axle, 1, row, Columns(line, 14, 16));
            return row < 2;
        });
    }
}

}  // namespace zevo
