#include "decode/limitsets.h"

#include "lang/sprachen.h"

#include <algorithm>
#include <iterator>

namespace zevo {

const tLimitsEu LimitsEu[3] = {
    {"Alle Kfz", 50, 16, 20, 24, 40, 49},
    {"Alle Kfz", 50, 16, 20, 24, 40, 49},
    {"Alle Kfz", 50, 16, 20, 24, 40, 49},
};

// The names are kept letter for letter as the workshops know them, including
// the space in "Sam. osob." of group 1 only; the group 1 motorcycle's
// DiffUpper of 0 is likewise as issued (group 2 has 31).
const tLimitsPL LimitsPl[PolishGroupCount * PolishTypeCount] = {
    // Group 1: first registered on or after 1 July 1999.
    {{"PKW", "Car", "Sam. osob."}, 50, 16, 500, 20, 31, 20, 31},
    {{"Transporter", "Transporter", "Sam.cięż."}, 45, 16, 700, 20, 31, 20, 31},
    {{"Bus", "Bus", "Autobus"}, 50, 16, 700, 20, 31, 20, 31},
    {{"Motorrad", "Motorbike", "Motocykl"}, 45, 33, 400, 99, 0, 33, 31},
    {{"Traktor", "Tractor", "Ciągnik"}, 27, 16, 700, 20, 31, 20, 31},
    {{"Anhaenger", "Trailer", "Przyczepa"}, 40, 16, 10, 20, 31, 20, 31},
    // Group 2: first registered up to 30 June 1999.
    {{"PKW", "Car", "Sam.osob."}, 50, 16, 500, 20, 31, 20, 31},
    {{"Transporter", "Transporter", "Sam.cięż."}, 40, 16, 700, 20, 31, 20, 31},
    {{"Bus", "Bus", "Autobus"}, 45, 16, 700, 20, 31, 20, 31},
    {{"Motorrad", "Motorbike", "Motocykl"}, 45, 33, 400, 99, 31, 33, 31},
    {{"Traktor", "Tractor", "Ciągnik"}, 27, 16, 700, 20, 31, 20, 31},
    {{"Anhaenger", "Trailer", "Przyczepa"}, 40, 16, 10, 20, 31, 20, 31},
};

const tLimitsRus LimitsRus[RussianClassCount] = {
    {"M1", 0.59, 490, 0.16, 20},
    {"M2", 0.51, 686, 0.16, 20},
    {"N1", 0.51, 686, 0.16, 25},
    {"N2", 0.51, 686, 0.16, 25},
};

namespace {

constexpr int LimitSetTextId = 247;
constexpr double EuPedalForceLimit = 1000.0;  // N
constexpr int PolishTrailerType = 6;
// The Russian table judges no parking brake difference; the numeric report
// draws its parking bars against this, which no percentage exceeds.
constexpr int RussianParkingDiffLimit = 100;

}  // namespace

LimitSet LimitSetFromGermanName(std::string_view germanText)
{
    if (germanText == "polnisch")
        return LimitSet::Pl;
    if (germanText == "russisch")
        return LimitSet::Rus;
    return LimitSet::Eu;
}

LimitSet LimitSetFromTextTable()
{
    // German column whatever the current language, so switching the language
    // never switches the set.
    const char* german = Texte[LimitSetTextId][German - 1];
    return LimitSetFromGermanName(german ? std::string_view(german) : std::string_view());
}

double GravityFactor(LimitSet set)
{
    return set == LimitSet::Pl ? 10.0 : 9.81;
}

const tLimitsEu& EuLimits(int sprache)
{
    return LimitsEu[std::clamp(sprache, 1, static_cast<int>(std::size(LimitsEu))) - 1];
}

const tLimitsPL& PolishLimits(int registrationGroup, int vehicleType)
{
    const int group = std::clamp(registrationGroup, 1, PolishGroupCount);
    const int type = std::clamp(vehicleType, 1, PolishTypeCount);
    return LimitsPl[(group - 1) * PolishTypeCount + (type - 1)];
}

const tLimitsRus& RussianLimits(int vehicleType)
{
    return LimitsRus[std::clamp(vehicleType, 1, RussianClassCount) - 1];
}

QString RegistrationGroupText(int registrationGroup)
{
    return std::clamp(registrationGroup, 1, PolishGroupCount) == 1 ? QStringLiteral("01.07.1999 - ")
                                                                   : QStringLiteral("- 30.06.1999");
}

QString PolishName(const tLimitsPL& limits, int sprache)
{
    return QString::fromUtf8(limits.Name[std::clamp(sprache, 1, 3) - 1]);
}

double PedalForceLimit(const LimitChoice& choice, double totalWeight)
{
    switch (choice.set) {
    case LimitSet::Pl:
        if (choice.vehicleType == PolishTrailerType)
            return totalWeight * GravityFactor(LimitSet::Pl) * 0.1;
        return PolishLimits(choice.registrationGroup, choice.vehicleType).PedalForceLimit;
    case LimitSet::Rus:
        return RussianLimits(choice.vehicleType).PedalForceLimit;
    case LimitSet::Eu:
        break;
    }
    return EuPedalForceLimit;
}

DiffVerdict JudgeDifference(double difference, double lower, double upper)
{
    if (difference <= lower)
        return DiffVerdict::Ok;
    if (difference <= upper)
        return DiffVerdict::AtLimit;
    return DiffVerdict::NotOk;
}

DiffLimits ServiceDiffLimits(const LimitChoice& choice)
{
    switch (choice.set) {
    case LimitSet::Pl: {
        const tLimitsPL& limits = PolishLimits(choice.registrationGroup, choice.vehicleType);
        return {limits.DiffLower, limits.DiffUpper};
    }
    case LimitSet::Rus: {
        const int limit = RussianLimits(choice.vehicleType).DiffLimit;
        return {limit, limit};
    }
    case LimitSet::Eu:
        break;
    }
    const tLimitsEu& limits = EuLimits(choice.sprache);
    return {limits.DiffLower, limits.DiffUpper};
}

DiffLimits ParkingDiffLimits(const LimitChoice& choice)
{
    switch (choice.set) {
    case LimitSet::Pl: {
        const tLimitsPL& limits = PolishLimits(choice.registrationGroup, choice.vehicleType);
        return {limits.ParkDiffLower, limits.ParkDiffUpper};
    }
    case LimitSet::Rus:
        return {RussianParkingDiffLimit, RussianParkingDiffLimit};
    case LimitSet::Eu:
        break;
    }
    const tLimitsEu& limits = EuLimits(choice.sprache);
    return {limits.ParkDiffLower, limits.ParkDiffUpper};
}

QStringList PolishVehicleTypeNames(int registrationGroup, int sprache)
{
    QStringList names;
    for (int type = 1; type <= PolishTypeCount; ++type)
        names.append(PolishName(PolishLimits(registrationGroup, type), sprache));
    return names;
}

QStringList RussianVehicleTypeNames()
{
    QStringList names;
    for (const tLimitsRus& limits : LimitsRus)
        names.append(QString::fromUtf8(limits.Name));
    return names;
}

}  // namespace zevo
