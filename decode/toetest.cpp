#include "decode/toetest.h"

#include "decode/decodecontext.h"
#include "decode/linetext.h"
#include "decode/printdata.h"
#include "graphics/curvedata.h"
#include "lang/cp1252.h"
#include "lang/numbertext.h"

#include <cmath>

namespace zevo {
namespace {

// How each axle's lines are laid out on the report: the first of its three
// LinesA, and the blanks that line the rewritten words up under each other.
struct ToeLayout {
    int firstLine;
    int plusBlanks;
    int minusBlanks;
    int tolerancePadding;
    int speedPadding;
};

constexpr ToeLayout FrontLayout{32, 12, 11, 4, 11};
constexpr ToeLayout RearLayout{35, 13, 12, 5, 8};

// "%4.1f" with the decimal comma.
QString ToleranceText(double value)
{
    return FormatDecimal(value, 1).rightJustified(4, QLatin1Char(' '));
}

QString Quoted(QByteArrayView bytes)
{
    return QLatin1Char('"') + FromCp1252(bytes) + QLatin1Char('"');
}

// Deletes `count` characters where `word` begins, puts `blanks` blanks and then
// `replacement` at the start (optionally lower-casing the rest). Returns false,
// changing nothing, when the line lacks the word.
bool ReplaceWord(QByteArray& line, QByteArrayView word, int count, int blanks, bool lowerCase,
                 QByteArrayView replacement)
{
    const qsizetype at = Find(line, word);
    if (at < 0)
        return false;
    line.remove(at, count);
    line.prepend(QByteArray(blanks, ' '));
    if (lowerCase)
        ToLowerCp1252(line);
    line.prepend(replacement.data(), replacement.size());
    return true;
}

// A blank before the unit, so that "2,5mm" reads "2,5 mm"; at the start when
// there is no unit, as the test stand's own program did.
void SpaceBeforeUnit(QByteArray& line)
{
    const qsizetype at = Find(line, "mm");
    line.insert(at < 0 ? 0 : at, ' ');
}

void RewriteToeLines(ReportRecord& report, const ToeLayout& layout, int sprache)
{
    const int valueIndex = layout.firstLine;
    QByteArray value = report.LineA(valueIndex).toByteArray();
    ReplaceWord(value, "PLUS", 4, layout.plusBlanks, true, ReportText(109, sprache));
    SpaceBeforeUnit(value);
    report.SetLineA(valueIndex, value);

    value = report.LineA(valueIndex).toByteArray();
    ReplaceWord(value, "MINUS", 5, layout.minusBlanks, true, ReportText(194, sprache));
    SpaceBeforeUnit(value);
    report.SetLineA(valueIndex, value);

    QByteArray tolerance = report.LineA(valueIndex + 1).toByteArray();
    if (ReplaceWord(tolerance, "SOLL", 5, layout.tolerancePadding, false, ReportText(110, sprache)))
        report.SetLineA(valueIndex + 1, tolerance);

    QByteArray speed = report.LineA(valueIndex + 2).toByteArray();
    if (ReplaceWord(speed, "SPEED", 5, layout.speedPadding, false, ReportText(111, sprache)))
        report.SetLineA(valueIndex + 2, speed);
}

}  // namespace

bool DecodeToe(const PrintData& text, DecodeContext& context, CurveClearing curves)
{
    TestResult& result = context.result;
    ReportRecord& report = context.report;
    // Zeroing 96 x 512 samples costs more than the rest of the decode; a full
    // decode leaves it to its curve step, which zeroes them before loading.
    if (curves == CurveClearing::Now)
        ClearResultTables(result, report, context.curves);
    else
        ClearBrakeTables(result, report);
    result.HasToeTest = false;
    report.ToeFrontPresent = 0;
    report.ToeRearPresent = 0;
    result.ToeFrontJudgement = ToeJudgement::NotJudged;
    result.ToeRearJudgement = ToeJudgement::NotJudged;
    report.SetLineA(31, ReportText(108, context.Sprache()));
    for (int i = 32; i <= 37; ++i)
        report.SetLineA(i, {});

    const int front = text.FindLine("$20");
    if (text.HasLinesAfter(front) && !DecodeToeAxle(text, ToeAxle::Front, front, context))
        return false;
    const int rear = text.FindLine("$21");
    if (text.HasLinesAfter(rear) && !DecodeToeAxle(text, ToeAxle::Rear, rear, context))
        return false;
    return true;
}

bool DecodeToeAxle(const PrintData& text, ToeAxle axle, int i, DecodeContext& context)
{
    TestResult& result = context.result;
    ReportRecord& report = context.report;
    const bool front = axle == ToeAxle::Front;
    result.HasToeTest = true;
    (front ? report.ToeFrontPresent : report.ToeRearPresent) = 1;

    QByteArrayView valueLine;
    QByteArrayView toleranceLine;
    QByteArrayView speedLine;
    ToeJudgement judgement = ToeJudgement::NotJudged;
    for (int j = i + 1; j <= i + 5; ++j) {
        const QByteArrayView line = text.Line(j);
        if (Contains(line, "MINUS") || Contains(line, "PLUS")) {
            valueLine = line;
            const std::optional<double> value = ParseToeValue(line);
            if (!value) {
                context.problems.append(QStringLiteral("Toe value: %1 is not a number").arg(Quoted(line)));
                return false;
            }
            result.ToeValue = *value;
        }
        if (Contains(line, "SOLL")) {
            toleranceLine = line;
            const std::optional<ToeJudgement> checked = CheckToeTolerance(line, context);
            if (!checked)
                return false;
            judgement = *checked;
        }
        if (Contains(line, "SPEED"))
            speedLine = line;
    }

    // The bounds of the last check made, which may be an earlier axle's.
    (front ? result.ToeFrontLowText : result.ToeRearLowText) = ToleranceText(result.ToeTolLow);
    (front ? result.ToeFrontHighText : result.ToeRearHighText) = ToleranceText(result.ToeTolHigh);
    (front ? result.ToeFrontJudgement : result.ToeRearJudgement) = judgement;

    const ToeLayout& layout = front ? FrontLayout : RearLayout;
    report.SetLineA(layout.firstLine, valueLine);
    if (judgement != ToeJudgement::NotJudged)
        report.SetLineA(layout.firstLine + 1, toleranceLine);
    report.SetLineA(layout.firstLine + 2, speedLine);
    RewriteToeLines(report, layout, context.Sprache());
    return true;
}

std::optional<double> ParseToeValue(QByteArrayView line)
{
    const double sign = Contains(line, "PLUS") ? 1.0 : -1.0;
    const std::optional<double> number = ParseDecimal(QByteArrayView(NumberChars(Columns(line, 6, 25))));
    if (!number)
        return std::nullopt;
    return *number == 0 ? 0.0 : sign * *number;
}

std::optional<ToeJudgement> CheckToeTolerance(QByteArrayView line, DecodeContext& context)
{
    TestResult& result = context.result;
    const QByteArrayView range = Columns(Trimmed(line), 6, 25);
    const qsizetype dots = Find(range, "..");
    if (dots < 0) {
        context.problems.append(QStringLiteral("Toe tolerance: %1 has no \"..\" between its bounds").arg(Quoted(line)));
        return std::nullopt;
    }
    const QByteArrayView lowText = range.first(dots);
    const QByteArrayView highText = range.sliced(dots + 2);
    const std::optional<double> low = ParseDecimal(lowText);
    if (!low) {
        context.problems.append(QStringLiteral("Toe tolerance: %1 is not a number").arg(Quoted(Trimmed(lowText))));
        return std::nullopt;
    }
    result.ToeTolLow = *low;
    const std::optional<double> high = ParseDecimal(highText);
    if (!high) {
        context.problems.append(QStringLiteral("Toe tolerance: %1 is not a number").arg(Quoted(Trimmed(highText))));
        return std::nullopt;
    }
    result.ToeTolHigh = *high;

    if (std::abs(result.ToeTolHigh - result.ToeTolLow) < 0.01)
        return ToeJudgement::NotJudged;
    if (context.IsPolish()) {
        // The Polish rules accept 1,5 mm more on either side than the test stand prints.
        result.ToeTolLow -= 1.5;
        result.ToeTolHigh += 1.5;
    }
    const bool inside = result.ToeTolLow <= result.ToeValue && result.ToeValue <= result.ToeTolHigh;
    return inside ? ToeJudgement::Inside : ToeJudgement::Outside;
}

}  // namespace zevo
