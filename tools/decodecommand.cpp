// zevo-tool decode: decodes a stored print-data text (and its curve text) the
// way showing a test does, without the database, and prints the result model
// as one JSON object. Used to look into a test a workshop sent in, and to
// write the expected results of the decoder's golden files.

#include "decode/decodecontext.h"
#include "decode/decoder.h"
#include "decode/printdata.h"
#include "decode/reportrecord.h"
#include "decode/resultjson.h"
#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "reception/frametypes.h"
#include "tools/commands.h"
#include "tools/decodeoptions.h"
#include "tools/toolsupport.h"

#include <QJsonDocument>
#include <cstdio>

namespace zevo::tool {
namespace {

// Whether the file is a stored print-data text at all: CR LF lines with a
// vehicle block or a block code line as reception writes it ("$0A").
bool HoldsPrintLines(const PrintData& text)
{
    if (VehicleBlockCount(text) > 0)
        return true;
    for (int i = 0; i < text.LineCount(); ++i) {
        if (IsBlockCodeLine(text.Line(i)))
            return true;
    }
    return false;
}

}  // namespace

int RunDecode(const QStringList& args)
{
    const QString usage = QStringLiteral("usage: zevo-tool decode ") + QLatin1String(DecodeUsage);
    QString error;
    const std::optional<Arguments> parsed = ParseArguments(args, DecodeOptionNames(), &error);
    if (!parsed)
        return Fail(error);
    if (parsed->positional.size() != 1)
        return Fail(usage);
    std::optional<DecodeInput> input = ReadDecodeInput(*parsed, usage, &error);
    if (!input)
        return Fail(error);

    TestResult result;
    ReportRecord report = EmptyReportRecord();
    CurveData curves;
    DecodeContext context(input->settings, input->limitSet, result, report, curves);
    const DecodeOutcome outcome = ShowTestDecode(input->printData, input->curveData, context);
    QStringList errors = outcome.problems;
    const bool printLines = HoldsPrintLines(PrintData(input->printData));
    if (!printLines)
        errors.prepend(QStringLiteral("\"%1\" holds no print data (no CR LF lines with a vehicle block or block codes)")
                           .arg(parsed->positional.first()));
    const QByteArray json = QJsonDocument(ResultJson(context, errors)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return printLines ? 0 : ExitError;
}

}  // namespace zevo::tool
