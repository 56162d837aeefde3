#include "decode/limitsets.h"

#include <gtest/gtest.h>

#include <utility>

namespace zevo {
namespace {

TEST(LimitSetChoice, FollowsGermanTextOfTheLanguageTable)
{
    // The table as shipped names French in row 247, so the EU set is in force.
    EXPECT_EQ(LimitSetFromTextTable(), LimitSet::Eu);
    EXPECT_EQ(LimitSetFromGermanName("polnisch"), LimitSet::Pl);
    EXPECT_EQ(LimitSetFromGermanName("russisch"), LimitSet::Rus);
    for (const char* other : {"französisch", "Polnisch", "polnisch ", ""})
        EXPECT_EQ(LimitSetFromGermanName(other), LimitSet::Eu) << other;

    EXPECT_DOUBLE_EQ(GravityFactor(LimitSet::Pl), 10.0);
    EXPECT_DOUBLE_EQ(GravityFactor(LimitSet::Eu), 9.81);
    EXPECT_DOUBLE_EQ(GravityFactor(LimitSet::Rus), 9.81);
}

TEST(LimitRecords, ValuesThatDifferBetweenRecords)
{
    for (int sprache = 1; sprache <= 3; ++sprache)  // EU: the same in every language
        EXPECT_EQ(std::pair(EuLimits(sprache).DiffUpper, EuLimits(sprache).ParkDiffUpper), std::pair(24, 49));
    EXPECT_EQ(PolishLimits(2, 2).ServiceRatio, 40);
    EXPECT_EQ(PolishLimits(1, 2).ServiceRatio, 45);
    EXPECT_EQ(PolishLimits(1, 5).ServiceRatio, 27);
    // The group 1 motorcycle has DiffUpper 0, the group 2 one 31.
    EXPECT_EQ(PolishLimits(1, 4).DiffUpper, 0);
    EXPECT_EQ(PolishLimits(2, 4).DiffUpper, 31);
    EXPECT_DOUBLE_EQ(RussianLimits(1).ServiceRatio, 0.59);
    EXPECT_EQ(RussianLimits(2).DiffLimit, 20);
    EXPECT_EQ(RussianLimits(3).DiffLimit, 25);
}

TEST(LimitRecords, OutOfRangeIndicesStayInsideTheTables)
{
    EXPECT_EQ(&EuLimits(0), &LimitsEu[0]);
    EXPECT_EQ(&EuLimits(4), &LimitsEu[2]);
    EXPECT_EQ(&PolishLimits(0, 0), &LimitsPl[0]);
    EXPECT_EQ(&PolishLimits(3, 7), &LimitsPl[11]);
    EXPECT_EQ(&RussianLimits(0), &LimitsRus[0]);
    // A tractor and a trailer are judged like the heaviest class, N2.
    for (int type : {4, 5, 6, 99})
        EXPECT_EQ(&RussianLimits(type), &LimitsRus[3]) << type;
}

TEST(LimitRecords, NamesForTheVehicleTypeChoice)
{
    // Only group 1 has the space after the point.
    const QStringList group1 = PolishVehicleTypeNames(1, 3);
    ASSERT_EQ(group1.size(), 6);
    EXPECT_EQ(group1[0], QStringLiteral("Sam. osob."));
    EXPECT_EQ(group1[1], QStringLiteral("Sam.cięż."));
    EXPECT_EQ(group1[4], QStringLiteral("Ciągnik"));
    EXPECT_EQ(PolishVehicleTypeNames(2, 3)[0], QStringLiteral("Sam.osob."));
    EXPECT_EQ(PolishVehicleTypeNames(2, 2)[3], QStringLiteral("Motorbike"));
    EXPECT_EQ(PolishVehicleTypeNames(5, 0)[5], QStringLiteral("Anhaenger"));
    EXPECT_EQ(RussianVehicleTypeNames(), QStringList({"M1", "M2", "N1", "N2"}));
}

TEST(PedalForceLimit, PerSet)
{
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Eu, 2, 1, 6}, 2000.0), 1000.0);
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Pl, 1, 2, 4}, 200.0), 400.0);
    // A trailer's limit comes from its weight, not from the table's 10.
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Pl, 1, 1, 6}, 2000.0), 2000.0);
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Rus, 1, 1, 1}, 1500.0), 490.0);
    EXPECT_DOUBLE_EQ(PedalForceLimit({LimitSet::Rus, 1, 1, 6}, 2000.0), 686.0);
}

TEST(DifferenceVerdict, ThreeColoursAtTheBoundaries)
{
    EXPECT_EQ(JudgeDifference(20, 20, 24), DiffVerdict::Ok);
    EXPECT_EQ(JudgeDifference(20.5, 20, 24), DiffVerdict::AtLimit);
    EXPECT_EQ(JudgeDifference(24, 20, 24), DiffVerdict::AtLimit);
    EXPECT_EQ(JudgeDifference(24.01, 20, 24), DiffVerdict::NotOk);

    const DiffLimits russian = ServiceDiffLimits({LimitSet::Rus, 1, 1, 1});
    EXPECT_EQ(JudgeDifference(20, russian.lower, russian.upper), DiffVerdict::Ok);
    EXPECT_EQ(JudgeDifference(21, russian.lower, russian.upper), DiffVerdict::NotOk);
    for (int d = 0; d <= 100; ++d)
        EXPECT_NE(JudgeDifference(d, russian.lower, russian.upper), DiffVerdict::AtLimit) << d;
}

std::pair<int, int> Pair(DiffLimits limits)
{
    return {limits.lower, limits.upper};
}

TEST(DifferenceVerdict, LimitsInForcePerSet)
{
    const LimitChoice eu{LimitSet::Eu, 3, 2, 4};
    const LimitChoice polishMotorbike{LimitSet::Pl, 1, 1, 4};
    const LimitChoice russianN1{LimitSet::Rus, 1, 1, 3};
    EXPECT_EQ(Pair(ServiceDiffLimits(eu)), std::pair(20, 24));
    EXPECT_EQ(Pair(ParkingDiffLimits(eu)), std::pair(40, 49));
    EXPECT_EQ(Pair(ServiceDiffLimits(polishMotorbike)), std::pair(99, 0));
    EXPECT_EQ(Pair(ParkingDiffLimits(polishMotorbike)), std::pair(33, 31));
    EXPECT_EQ(Pair(ServiceDiffLimits(russianN1)), std::pair(25, 25));
    // The Russian parking brake has no table value; the numeric report uses 100.
    EXPECT_EQ(Pair(ParkingDiffLimits(russianN1)), std::pair(100, 100));
}

}  // namespace
}  // namespace zevo
