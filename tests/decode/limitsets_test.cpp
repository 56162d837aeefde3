#include "decode/limitsets.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

std::pair<int, int> Pair(DiffLimits limits)
{
    return {limits.lower, limits.upper};
}

TEST(LimitSets, ChosenByTheGermanTextAndClampedIntoTheirTables)
{
    // The table as shipped names French in row 247, so the EU set is in force.
    EXPECT_EQ(LimitSetFromTextTable(), LimitSet::Eu);
    EXPECT_EQ(LimitSetFromGermanName("polnisch"), LimitSet::Pl);
    EXPECT_EQ(LimitSetFromGermanName("russisch"), LimitSet::Rus);
    EXPECT_EQ(LimitSetFromGermanName("Polnisch"), LimitSet::Eu);

    EXPECT_EQ(&EuLimits(0), &LimitsEu[0]);
    EXPECT_EQ(&EuLimits(4), &LimitsEu[2]);
    EXPECT_EQ(&PolishLimits(0, 0), &LimitsPl[0]);
    EXPECT_EQ(&PolishLimits(3, 7), &LimitsPl[11]);
    // A tractor and a trailer are judged like the heaviest class, N2.
    EXPECT_EQ(&RussianLimits(0), &LimitsRus[0]);
    for (int type : {4, 5, 6, 99})
        EXPECT_EQ(&RussianLimits(type), &LimitsRus[3]) << type;
}

TEST(LimitSets, NamesForTheVehicleTypeChoice)
{
    // Only group 1 has the space after the point; the column follows the language, both clamped.
    EXPECT_EQ(PolishVehicleTypeNames(1, 3)[0], QStringLiteral("Sam. osob."));
    EXPECT_EQ(PolishVehicleTypeNames(2, 3)[0], QStringLiteral("Sam.osob."));
    EXPECT_EQ(PolishVehicleTypeNames(2, 2)[3], QStringLiteral("Motorbike"));
    EXPECT_EQ(PolishVehicleTypeNames(5, 0)[3], QStringLiteral("Motorrad"));
}

TEST(LimitSets, PedalForceLimitPerSet)
{
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Eu, 2, 1, 6}, 2000.0), 1000.0);
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Pl, 1, 2, 4}, 200.0), 400.0);
    // A trailer's limit comes from its weight, not from the table's 10.
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Pl, 1, 1, 6}, 2000.0), 2000.0);
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Rus, 1, 1, 1}, 1500.0), 490.0);
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Rus, 1, 1, 6}, 2000.0), 686.0);
}

TEST(LimitSets, DifferenceLimitsInForceAndTheirThreeColours)
{
    for (int sprache = 1; sprache <= 3; ++sprache) {  // EU: the same in every language
        EXPECT_EQ(Pair(ServiceDiffLimits({LimitSet::Eu, sprache, 2, 4})), std::pair(20, 24)) << sprache;
        EXPECT_EQ(Pair(ParkingDiffLimits({LimitSet::Eu, sprache, 2, 4})), std::pair(40, 49)) << sprache;
    }
    // The group 1 motorcycle's upper limit is 0 as issued; group 2 has 31.
    EXPECT_EQ(Pair(ServiceDiffLimits({LimitSet::Pl, 1, 1, 4})), std::pair(99, 0));
    EXPECT_EQ(Pair(ServiceDiffLimits({LimitSet::Pl, 1, 2, 4})), std::pair(99, 31));
    EXPECT_EQ(Pair(ParkingDiffLimits({LimitSet::Pl, 1, 1, 4})), std::pair(33, 31));
    EXPECT_EQ(Pair(ServiceDiffLimits({LimitSet::Rus, 1, 1, 3})), std::pair(25, 25));
    // The Russian parking brake has no table value; the numeric report uses 100.
    EXPECT_EQ(Pair(ParkingDiffLimits({LimitSet::Rus, 1, 1, 3})), std::pair(100, 100));

    EXPECT_EQ(JudgeDifference(20, 20, 24), DiffVerdict::Ok);
    EXPECT_EQ(JudgeDifference(20.5, 20, 24), DiffVerdict::AtLimit);
    EXPECT_EQ(JudgeDifference(24, 20, 24), DiffVerdict::AtLimit);
    EXPECT_EQ(JudgeDifference(24.01, 20, 24), DiffVerdict::NotOk);
    const DiffLimits russian = ServiceDiffLimits({LimitSet::Rus, 1, 1, 1});
    EXPECT_EQ(JudgeDifference(20, russian.lower, russian.upper), DiffVerdict::Ok);
    EXPECT_EQ(JudgeDifference(21, russian.lower, russian.upper), DiffVerdict::NotOk);  // no borderline band
}

}  // namespace
}  // namespace zevo
