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

#include <QFile>
#include <QJsonDocument>
#include <QTextStream>
#include <cstdio>
#include <optional>

namespace zevo::tool {
namespace {

int Fail(const QString& message)
{
    QTextStream(stderr) << "zevo-tool decode: " << message << "\n";
    return 2;
}

std::optional<QByteArray> ReadFile(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.exists()) {
        error = QStringLiteral("no such file: %1").arg(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

// A whole number from the allowed choices, or nothing.
std::optional<int> Choice(const QString& text, std::initializer_list<int> allowed)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    for (int candidate : allowed) {
        if (candidate == value)
            return value;
    }
    return std::nullopt;
}

}  // namespace

int RunDecode(const QStringList& args)
{
    QString printPath;
    QString curvePath;
    Settings settings;
    settings.einstellungen.Field[VehicleTypeField] = 1;
    settings.einstellungen.Field[RegistrationGroup] = 1;
    settings.einstellungen.Field[Plates] = 2;
    settings.Sprache = 1;
    // Without --limit-set the language table decides, as at the program's start.
    LimitSet limitSet = LimitSetFromTextTable();

    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            if (!printPath.isEmpty())
                return Fail(QStringLiteral("more than one print-data file given: %1").arg(arg));
            printPath = arg;
            continue;
        }
        if (i + 1 >= args.size())
            return Fail(QStringLiteral("%1 needs a value").arg(arg));
        const QString value = args[++i];
        if (arg == QLatin1String("--curves")) {
            curvePath = value;
        } else if (arg == QLatin1String("--limit-set")) {
            const std::optional<LimitSet> set = LimitSetFromName(value);
            if (!set)
                return Fail(QStringLiteral("--limit-set takes eu, pl or rus, not %1").arg(value));
            limitSet = *set;
        } else if (arg == QLatin1String("--language")) {
            const std::optional<int> language = Choice(value, {1, 2, 3});
            if (!language)
                return Fail(QStringLiteral("--language takes 1, 2 or 3, not %1").arg(value));
            settings.Sprache = *language;
        } else if (arg == QLatin1String("--vehicle-type")) {
            const std::optional<int> type = Choice(value, {1, 2, 3, 4, 5, 6});
            if (!type)
                return Fail(QStringLiteral("--vehicle-type takes 1 to 6, not %1").arg(value));
            settings.einstellungen.Field[VehicleTypeField] = *type;
        } else if (arg == QLatin1String("--registration-group")) {
            const std::optional<int> group = Choice(value, {1, 2});
            if (!group)
                return Fail(QStringLiteral("--registration-group takes 1 or 2, not %1").arg(value));
            settings.einstellungen.Field[RegistrationGroup] = *group;
        } else if (arg == QLatin1String("--plates")) {
            const std::optional<int> plates = Choice(value, {2, 4});
            if (!plates)
                return Fail(QStringLiteral("--plates takes 2 or 4, not %1").arg(value));
            settings.einstellungen.Field[Plates] = *plates;
        } else {
            return Fail(QStringLiteral("unknown option %1").arg(arg));
        }
    }
    if (printPath.isEmpty())
        return Fail(QStringLiteral("usage: zevo-tool decode PRINTDATA [--curves CURVEDATA] [--language 1|2|3] "
                                   "[--limit-set eu|pl|rus] [--vehicle-type 1..6] [--registration-group 1|2] "
                                   "[--plates 2|4]"));

    QString error;
    const std::optional<QByteArray> printData = ReadFile(printPath, error);
    if (!printData)
        return Fail(error);
    QByteArray curveData;
    if (!curvePath.isEmpty()) {
        const std::optional<QByteArray> curves = ReadFile(curvePath, error);
        if (!curves)
            return Fail(error);
        curveData = *curves;
    }

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
