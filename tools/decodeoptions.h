#pragma once
// The options zevo-tool decode and render share: the stored test's two texts
// and the settings and limit set the decode runs under.

#include "decode/limitsets.h"
#include "lang/einstellungen.h"
#include "tools/toolsupport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace zevo::tool {

inline constexpr char DecodeUsage[] = "PRINTDATA [--curves CURVEDATA] [--language 1|2|3] [--limit-set eu|pl|rus] "
                                      "[--vehicle-type 1..6] [--registration-group 1|2] [--plates 2|4]";

// The options of DecodeUsage, for ParseArguments.
QStringList DecodeOptionNames();

struct DecodeInput {
    QByteArray printData;
    QByteArray curveData; // empty without --curves
    Settings settings;    // language, vehicle type, registration group, plates
    LimitSet limitSet = LimitSet::Eu;
};

// The input named by arguments holding PRINTDATA as their one positional
// argument. A value out of its range gives nothing and *error = usage; a file
// that cannot be read a sentence naming it. Without --limit-set the language
// table decides, as at the program's start.
std::optional<DecodeInput> ReadDecodeInput(const Arguments& parsed, const QString& usage, QString* error);

} // namespace zevo::tool
