#pragma once
// The decoded test as one JSON object, for zevo-tool and the golden-file
// tests: every value of the result model and the report record under the name
// the program uses for it, texts converted from Windows-1252.

#include "decode/limitsets.h"

#include <QJsonObject>
#include <QStringList>
#include <optional>

namespace zevo {

struct DecodeContext;

// Tables are given in full (BrakeTable, Suspension) or as objects holding only
// their non-empty entries, keyed by the decimal index (BrakeLines, BrakeMaxima,
// LinesA, LinesB, CurvePeaks). `errors` becomes "Errors".
QJsonObject ResultJson(const DecodeContext& context, const QStringList& errors);

// "eu", "pl", "rus"; and back (nothing for another text).
QString LimitSetName(LimitSet set);
std::optional<LimitSet> LimitSetFromName(QStringView name);

}  // namespace zevo
