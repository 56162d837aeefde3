#pragma once
// When untouched tests are old enough to go: Timer2 ticks once a minute and
// the check runs on every 101st tick (and once at start-up); the deletion
// itself runs at most once per day number. The day number is the date
// rounded to the nearest whole day, so from 12:00 noon on it is tomorrow's.

#include <QDate>
#include <QDateTime>
#include <functional>
#include <optional>

namespace zevo {

class StaleTestCleanup {
  public:
    static constexpr int TicksPerCheck = 100; // the check runs when the count exceeds this

    explicit StaleTestCleanup(std::function<QDateTime()> clock) : clock_(std::move(clock)) {}

    // One Timer2 tick: whether the check is due now (the count then starts over).
    bool Timer2Tick();

    // The cut-off date when a deletion is due today (tests dated before it
    // go), nothing when it already ran on this day number. Marks the day.
    std::optional<QDate> DueCutoff(int cleanupSetting);

    // 1 daily: 2 days, 2 weekly: 8, 3 monthly: 32; anything else 2.
    static int AgeInDays(int cleanupSetting);
    // The date-time rounded to the nearest whole day (noon and after: the next day).
    static QDate DayNumber(const QDateTime& now);

    int CleanupTicks() const { return cleanupTicks_; }
    QDate LastCleanupDay() const { return lastCleanupDay_; } // invalid until the first run

  private:
    std::function<QDateTime()> clock_;
    int cleanupTicks_ = 0;
    QDate lastCleanupDay_;
};

} // namespace zevo
