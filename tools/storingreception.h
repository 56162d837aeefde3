#pragma once
// Reception wired to a database (an SQLite file or a zevodb.conf description),
// as the desktop program wires it: every
// finished test is stored as a new row and announced on standard output as
// "stored <Id> <Kennzeichen>"; a stored test that holds lines of an
// interrupted earlier test is also told on standard error. Used by replay and listen.

#include "reception/bytesource.h"
#include "reception/testreception.h"

#include <QSqlDatabase>
#include <QString>
#include <memory>

namespace zevo::tool {

class StoringReception {
public:
    // Opens (or creates) the database; check error() before use. With
    // waitForServer a server that cannot be reached now is no error: tests
    // wait and are stored once it answers (RetryPending).
    StoringReception(ByteSource& source, const QString& databaseArgument, bool waitForServer = false);
    ~StoringReception();

    QString error() const { return m_error; }  // empty when the database is open
    void Tick() { m_reception->Timer1Timer(); }
    TestReception& Reception() { return *m_reception; }
    int failedStores() const { return m_failedStores; }
    int storedTests() const { return m_storedTests; }
    // Print lines of a test whose end has not arrived yet.
    int unfinishedPrintLines() const { return m_reception->Assembly().PrintLineCount(); }
    qsizetype pendingTests() const { return m_reception->Assembly().PendingCount(); }
    void RetryPending() { m_reception->Assembly().RetryPending(); }
    QSqlDatabase Database() const { return QSqlDatabase::database(m_connectionName, false); }

private:
    QString m_error;
    QString m_connectionName;
    QString m_lastKennzeichen;
    int m_lastVehicleBlocks = 0;
    int m_failedStores = 0;
    QString m_lastFailure; // told once for a run of failures with the same text
    int m_storedTests = 0;
    std::unique_ptr<TestReception> m_reception;
};

}  // namespace zevo::tool
