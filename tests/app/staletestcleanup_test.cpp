// Deleting old untouched tests: each setting's age, the noon rule, once a day on Timer2's 101st tick.

#include "app/staletestcleanup.h"
#include "tests/app/assifixture.h"

namespace zevo::assitest {
namespace {

using StaleTestCleanupTest = AssiTest;

TEST_F(StaleTestCleanupTest, StartUpDeletesUntouchedTestsOlderThanTheSetting)
{
    const struct {
        int setting;
        QDateTime now;
        QDate cutoff; // tests dated before it go
    } cases[] = {
        {1, {QDate(2026, 5, 10), QTime(9, 0)}, QDate(2026, 5, 8)},  // daily: 2 days
        {3, {QDate(2026, 5, 10), QTime(9, 0)}, QDate(2026, 4, 8)},  // monthly: 32 days
        {2, {QDate(2026, 5, 10), QTime(12, 0)}, QDate(2026, 5, 3)}, // from noon on, today is tomorrow
        {2, {QDate(2026, 5, 10), QTime(11, 59, 59)}, QDate(2026, 5, 2)}, // weekly: 8 days before noon
        {7, {QDate(2026, 5, 10), QTime(9, 0)}, QDate(2026, 5, 8)}, // an unknown setting counts as daily
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.now.toString(Qt::ISODate).toStdString() + " setting " + std::to_string(c.setting));
        TearDown();
        SetUp();
        now = c.now;
        WriteSettings({{CleanupInterval, c.setting}});
        const qint64 tooOld = StoreTest("OLD", c.cutoff.addDays(-1));
        const qint64 kept = StoreTest("KEPT", c.cutoff); // archived tests stay: tests/records
        Start();
        EXPECT_FALSE(ReadTest(db, tooOld).value().has_value());
        EXPECT_TRUE(ReadTest(db, kept).value().has_value());
        EXPECT_EQ(assi->CurrentTestId(), kept);
    }
}

TEST_F(StaleTestCleanupTest, TheCheckRunsOnThe101stTickAndOncePerDay)
{
    Start();
    now = now.addDays(1);
    const qint64 old = StoreTest("OLD", now.date().addDays(-3));
    for (int tick = 1; tick <= 100; ++tick)
        assi->Timer2Timer();
    EXPECT_TRUE(ReadTest(db, old).value().has_value());
    assi->Timer2Timer();
    EXPECT_FALSE(ReadTest(db, old).value().has_value());
    EXPECT_EQ(assi->Cleanup().CleanupTicks(), 0); // the count starts again

    // The same day number again: the check finds the deletion done.
    const qint64 later = StoreTest("LATER", now.date().addDays(-3));
    for (int tick = 1; tick <= 101; ++tick)
        assi->Timer2Timer();
    EXPECT_TRUE(ReadTest(db, later).value().has_value());
}

} // namespace
} // namespace zevo::assitest
