#include "app/staletestcleanup.h"

namespace zevo {

bool StaleTestCleanup::Timer2Tick()
{
    ++cleanupTicks_;
    if (cleanupTicks_ <= TicksPerCheck)
        return false;
    cleanupTicks_ = 0;
    return true;
}

std::optional<QDate> StaleTestCleanup::DueCutoff(int cleanupSetting)
{
    const QDate today = DayNumber(clock_());
    if (today == lastCleanupDay_)
        return std::nullopt;
    lastCleanupDay_ = today;
    return today.addDays(-AgeInDays(cleanupSetting));
}

int StaleTestCleanup::AgeInDays(int cleanupSetting)
{
    switch (cleanupSetting) {
    case 2:
        return 8;
    case 3:
        return 32;
    default:
        return 2;
    }
}

QDate StaleTestCleanup::DayNumber(const QDateTime& now)
{
    return now.time() >= QTime(12, 0) ? now.date().addDays(1) : now.date();
}

} // namespace zevo
