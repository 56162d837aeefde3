#pragma once
// The three national limit sets a brake test is judged by (EU, Polish,
// Russian), the record that applies to the vehicle on display, and the
// three-colour rule for left/right differences. The set in force is decided
// once per run from the language table, never by the current language.

#include <QString>
#include <QStringList>
#include <string_view>

namespace zevo {

// One record per language number; all three are equal.
struct tLimitsEu {
    const char* Name;   // UTF-8
    int ServiceRatio;   // percent, required service braking ratio
    int ParkingRatio;   // percent, required parking braking ratio
    int DiffLower;      // percent, service brake difference: up to here OK
    int DiffUpper;      // percent, above this not OK
    int ParkDiffLower;  // percent, parking brake difference: up to here OK
    int ParkDiffUpper;  // percent, above this not OK
};

// Two groups of first registration, six vehicle types each.
struct tLimitsPL {
    const char* Name[3];  // UTF-8, columns German, English, Polish
    int ServiceRatio;     // percent
    int ParkingRatio;     // percent
    int PedalForceLimit;  // N (the trailer's 10 is replaced by a weight-based limit)
    int DiffLower;        // percent
    int DiffUpper;        // percent
    int ParkDiffLower;    // percent
    int ParkDiffUpper;    // percent
};

// Vehicle classes M1, M2, N1, N2.
struct tLimitsRus {
    const char* Name;     // UTF-8
    double ServiceRatio;  // fraction of the weight force, 0 .. 1
    int PedalForceLimit;  // N
    double ParkingRatio;  // fraction of the weight force, 0 .. 1
    int DiffLimit;        // percent, up to here OK, above not OK
};

inline constexpr int PolishGroupCount = 2;
inline constexpr int PolishTypeCount = 6;  // vehicle types 1 .. 6
inline constexpr int RussianClassCount = 4;

extern const tLimitsEu LimitsEu[3];
extern const tLimitsPL LimitsPl[PolishGroupCount * PolishTypeCount];  // group 1 types 1..6, then group 2
extern const tLimitsRus LimitsRus[RussianClassCount];

enum class LimitSet { Eu, Pl, Rus };

// The set named by the German text of id 247 of the language table:
// "polnisch" or "russisch" (exact, case-sensitive), anything else is EU.
LimitSet LimitSetFromTextTable();
LimitSet LimitSetFromGermanName(std::string_view germanText);

// Gravity used with the vehicle mass: 10.0 under the Polish rules, else 9.81.
double GravityFactor(LimitSet set);

// The record in force. Stored settings may hold anything, so every index is
// clamped into its table: language 1..3, group 1..2, vehicle type 1..6.
const tLimitsEu& EuLimits(int sprache);
const tLimitsPL& PolishLimits(int registrationGroup, int vehicleType);
// Vehicle types 1..4 are the classes M1, M2, N1, N2. A tractor (5) or a
// trailer (6) has no class of its own in the table; both are judged like the
// heaviest class N2, the goods-vehicle class closest to them. Below 1 gives M1.
const tLimitsRus& RussianLimits(int vehicleType);

// Name of a Polish record in a language column (1 German, 2 English, 3
// Polish; the column follows the language number, clamped to 1..3).
QString PolishName(const tLimitsPL& limits, int sprache);

// The first-registration group as the settings dialog and the report name it:
// 1 "01.07.1999 - ", 2 "- 30.06.1999" (clamped to 1..2).
QString RegistrationGroupText(int registrationGroup);

// Everything that picks the record in force: the set of the run and the
// current settings.
struct LimitChoice {
    LimitSet set = LimitSet::Eu;
    int sprache = 1;            // 1..3, picks the EU record
    int registrationGroup = 1;  // 1..2, Polish set
    int vehicleType = 1;        // 1..6, Polish and Russian sets
};

// Forces count for the braking ratio only up to this pedal force: 1000 N
// under the EU set, the record's limit otherwise; a Polish trailer's limit
// comes from its weight (totalWeight × 10.0 × 0.1), so it is not whole.
double PedalForceLimit(const LimitChoice& choice, double totalWeight);  // N; totalWeight in kg

enum class DiffVerdict {
    Ok,       // green
    AtLimit,  // yellow, "Grenzfall"
    NotOk,    // red
};

// d ≤ lower is OK, lower < d ≤ upper at the limit, d > upper not OK. With
// lower == upper there is no middle band.
DiffVerdict JudgeDifference(double difference, double lower, double upper);

struct DiffLimits {
    int lower;  // percent, up to here OK
    int upper;  // percent, above this not OK
};

// Limits of the left/right difference of the front and of the rear service
// brake (both axles use the same). Russian set: DiffLimit for both.
DiffLimits ServiceDiffLimits(const LimitChoice& choice);
// Limits of the parking brake difference. The Russian table has none: the
// numeric report judges against a fixed 100 (so it is always OK), while the
// bar graphics judge the Russian parking brake by its braking ratio instead
// and do not ask for these.
DiffLimits ParkingDiffLimits(const LimitChoice& choice);

// The vehicle-type choice of the settings dialog: the six names of a Polish
// group in the language column, and the four Russian class names.
QStringList PolishVehicleTypeNames(int registrationGroup, int sprache);
QStringList RussianVehicleTypeNames();

}  // namespace zevo
