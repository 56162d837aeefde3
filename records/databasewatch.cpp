#include "records/databasewatch.h"

#include "records/database.h"

#include <QTcpSocket>
#include <QTimer>

namespace zevo {

DatabaseWatch::DatabaseWatch(QSqlDatabase db, std::function<bool()> testsWaiting, int checkSeconds, QObject* parent)
    : QObject(parent), db_(std::move(db)), testsWaiting_(std::move(testsWaiting)), timer_(new QTimer(this)),
      probe_(new QTcpSocket(this))
{
    timer_->setObjectName(QStringLiteral("DatabaseWatchTimer"));
    timer_->setInterval(checkSeconds * 1000);
    connect(timer_, &QTimer::timeout, this, &DatabaseWatch::Check);
    timer_->start();
    connect(probe_, &QTcpSocket::connected, this, [this] {
        probe_->abort();
        Reconnect();
    });
    connect(probe_, &QTcpSocket::errorOccurred, this, [this] {
        const QString reason = probe_->errorString();
        probe_->abort();
        Lost(QStringLiteral("The database server %1:%2 cannot be reached: %3")
                 .arg(db_.hostName())
                 .arg(db_.port())
                 .arg(reason));
    });
    away_ = !db_.isOpen();
}

void DatabaseWatch::Check()
{
    if (probe_->state() != QAbstractSocket::UnconnectedState)
        return; // still asking
    if (db_.isOpen() && DatabaseAnswers(db_)) {
        if (away_) {
            away_ = false;
            emit back();
        }
        if (testsWaiting_())
            emit retryDue();
        return;
    }
    // Gone or never reached. The local socket answers at once either way.
    if (db_.hostName().isEmpty())
        Reconnect();
    else
        probe_->connectToHost(db_.hostName(), quint16(db_.port()));
}

void DatabaseWatch::Reconnect()
{
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
