// zevo-tool decode: decodes a stored print-data text (and its curve text) the
// way showing a test does, without the database, and prints the result model
// as one JSON object. Used to look into a test a workshop sent in, and to
// write the expected results of the decoder's golden files.

#include "decode/decodecontext.h"
#include "decode/decoder.h"
#include "decode/reportrecord.h"
#include "decode/resultjson.h"
#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "lang/einstellungen.h"
#include "tools/commands.h"
#include "tools/toolsupport.h"

#include <QJsonDocument>
#include <cstdio>
#include <initializer_list>

namespace zevo::tool {
namespace {

const char* const Usage = "usage: zevo-tool decode PRINTDATA [--curves CURVEDATA] [--language 1|2|3] "
                          "[--limit-set eu|pl|rus] [--vehicle-type 1..6] [--registration-group 1|2] [--plates 2|4]";

// The option's whole-number value when it is one of `allowed`; `fallback` without the option.
std::optional<int> Choice(const Arguments& parsed, const QString& option, std::initializer_list<int> allowed,
                          int fallback)
{
    if (!parsed.options.contains(option))
        return fallback;
    bool ok = false;
    const int value = parsed.options.value(option).toInt(&ok);
    for (int candidate : allowed) {
        if (ok && candidate == value)
            return value;
    }
    return std::nullopt;
}

}  // namespace

int RunDecode(const QStringList& args)
{
    QString error;
    const std::optional<Arguments> parsed = ParseArguments(
        args, {"--curves", "--language", "--limit-set", "--vehicle-type", "--registration-group", "--plates"}, &error);
    if (!parsed)
        return Fail(error);
    if (parsed->positional.size() != 1)
        return Fail(QLatin1String(Usage));

    // Without --limit-set the language table decides, as at the program's start.
    LimitSet limitSet = LimitSetFromTextTable();
    if (parsed->options.contains("--limit-set")) {
        const std::optional<LimitSet> named = LimitSetFromName(parsed->options.value("--limit-set"));
        if (!named)
            return Fail(QStringLiteral("--limit-set takes eu, pl or rus"));
        limitSet = *named;
    }
    const std::optional<int> language = Choice(*parsed, "--language", {1, 2, 3}, 1);
    const std::optional<int> vehicleType = Choice(*parsed, "--vehicle-type", {1, 2, 3, 4, 5, 6}, 1);
    const std::optional<int> group = Choice(*parsed, "--registration-group", {1, 2}, 1);
    const std::optional<int> plates = Choice(*parsed, "--plates", {2, 4}, 2);
    if (!language || !vehicleType || !group || !plates)
        return Fail(QLatin1String(Usage));

    const std::optional<QByteArray> printData = ReadWholeFile(parsed->positional.first(), &error);
    if (!printData)
        return Fail(error);
    QByteArray curveData;
    if (parsed->options.contains("--curves")) {
        const std::optional<QByteArray> curves = ReadWholeFile(parsed->options.value("--curves"), &error);
        if (!curves)
            return Fail(error);
        curveData = *curves;
    }

    Settings settings;
    settings.Sprache = *language;
    settings.einstellungen.Field[VehicleTypeField] = *vehicleType;
    settings.einstellungen.Field[RegistrationGroup] = *group;
    settings.einstellungen.Field[Plates] = *plates;
    TestResult result;
    ReportRecord report = EmptyReportRecord();
    CurveData curves;
    DecodeContext context(settings, limitSet, result, report, curves);
    const DecodeOutcome outcome = ShowTestDecode(*printData, curveData, context);
    const QByteArray json = QJsonDocument(ResultJson(context, outcome.problems)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

}  // namespace zevo::tool
