#include "tools/decodeoptions.h"

#include "decode/resultjson.h"

#include <initializer_list>

namespace zevo::tool {
namespace {

// The option's whole-number value when it is one of `allowed`; `fallback`
// without the option; nothing for any other value.
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

} // namespace

QStringList DecodeOptionNames()
{
    return {"--curves", "--language", "--limit-set", "--vehicle-type", "--registration-group", "--plates"};
}

std::optional<DecodeInput> ReadDecodeInput(const Arguments& parsed, const QString& usage, QString* error)
{
    DecodeInput input;
    input.limitSet = LimitSetFromTextTable();
    if (parsed.options.contains("--limit-set")) {
        const std::optional<LimitSet> named = LimitSetFromName(parsed.options.value("--limit-set"));
        if (!named) {
            *error = QStringLiteral("--limit-set takes eu, pl or rus");
            return std::nullopt;
        }
        input.limitSet = *named;
    }
    const std::optional<int> language = Choice(parsed, "--language", {1, 2, 3}, 1);
    const std::optional<int> vehicleType = Choice(parsed, "--vehicle-type", {1, 2, 3, 4, 5, 6}, 1);
    const std::optional<int> group = Choice(parsed, "--registration-group", {1, 2}, 1);
    const std::optional<int> plates = Choice(parsed, "--plates", {2, 4}, 2);
    if (!language || !vehicleType || !group || !plates) {
        *error = usage;
        return std::nullopt;
    }

    const std::optional<QByteArray> printData = ReadWholeFile(parsed.positional.first(), error);
    if (!printData)
        return std::nullopt;
    input.printData = *printData;
    if (parsed.options.contains("--curves")) {
        const std::optional<QByteArray> curves = ReadWholeFile(parsed.options.value("--curves"), error);
        if (!curves)
            return std::nullopt;
        input.curveData = *curves;
    }

    input.settings.Sprache = *language;
    input.settings.einstellungen.Field[VehicleTypeField] = *vehicleType;
    input.settings.einstellungen.Field[RegistrationGroup] = *group;
    input.settings.einstellungen.Field[Plates] = *plates;
    return input;
}

} // namespace zevo::tool
