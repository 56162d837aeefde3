#pragma once
// The three brake blocks of a roller brake test: "$00" service brake front
// axle, "$01" service brake rear axle, "$10" parking brake (code 16). Their
// lines go into BrakeLines; the first and the last six lines of each block
// become the seven rows of its BrakeTable kind, with the left/right difference,
// the scaled pedal force and, for motorcycles, the braking ratio.

#include "decode/limitsets.h"

#include <QByteArrayView>
#include <cstdint>

namespace zevo {

class PrintData;
struct DecodeContext;
struct TestResult;

inline constexpr int MaxBrakeDataLines = 20;

// Decodes block `code` (0, 1 or 16) when the print data has it.
void DecodeBrakeBlock(const PrintData& text, int code, DecodeContext& context);

// Stores data line n (1..20) of block `code` in BrakeLines by the column layout
// of the block: codes 0..7 with or without pedal column, 16..23 without; other
// codes store nothing. A motorcycle keeps Left only.
void ParseBrakeLine(int code, int n, QByteArrayView line, TestResult& result);

// Fills the BrakeTable kind of `code` from its k data lines: row 1 from line 1,
// rows 2..7 from lines k-5 .. k; rows without a line stay 0.
void ComputeBrakeTable(int code, int k, DecodeContext& context);

// Brake kind of a block code: 1 for code 1, 2 for code 16, 0 otherwise.
int BrakeKindOf(int code);

// 40 for a trailer (vehicle type 6), 10 otherwise.
int PedalFactor(int vehicleType);

// Left/right difference in whole percent of the larger force (0 when both are
// <= 0); the Polish set first rounds up to the next whole percent.
std::int32_t PercentDiff(std::int32_t a, std::int32_t b, LimitSet limitSet);  // % 0 .. 100

// Braking ratio of a motorcycle wheel in whole percent of the weight force;
// 0 for other vehicles and without a weight above 0,01 kg. The Polish set cuts
// the ratio to its whole part first.
std::int32_t BrakingRatio(std::int32_t force, const TestResult& result, LimitSet limitSet,
                          double gravityFactor);  // %

// Four roller plates measure the pedal force once for both axles: the rear
// axle's pedal column becomes the front axle's. Two plates: nothing.
void CopyFrontPedal(DecodeContext& context);

}  // namespace zevo
