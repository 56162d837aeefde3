#include "app/databasewatch.h"

#include "records/database.h"

#include <QTimer>

namespace zevo {

DatabaseWatch::DatabaseWatch(QSqlDatabase db, std::function<bool()> testsWaiting, QObject* parent)
    : QObject(parent), db_(std::move(db)), testsWaiting_(std::move(testsWaiting)), timer_(new QTimer(this))
{
    timer_->setObjectName(QStringLiteral("DatabaseWatchTimer"));
    timer_->setInterval(CheckSeconds * 1000);
    connect(timer_, &QTimer::timeout, this, &DatabaseWatch::Check);
    timer_->start();
    away_ = !db_.isOpen();
}

void DatabaseWatch::Check()
{
    if (db_.isOpen() && DatabaseAnswers(db_)) {
        if (away_) {
            away_ = false;
            emit back();
        }
        if (testsWaiting_())
            emit retryDue();
        return;
    }
    // Gone or never reached: one attempt per check. A host that does not
    // answer at all holds the window for the connection's time-out.
    if (const QString error = ConnectDatabase(db_); !error.isEmpty()) {
        Lost(error);
        return;
    }
    away_ = false;
    emit back();
    if (testsWaiting_())
        emit retryDue();
}

void DatabaseWatch::Lost(const QString& error)
{
    away_ = true;
    emit lost(error);
}

} // namespace zevo
