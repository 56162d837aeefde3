#pragma once
// Reception wired to a database file, as the desktop program wires it: every
// finished test is stored as a new row and announced on standard output as
// "stored <Id> <Kennzeichen>". Used by replay and listen.

#include "reception/bytesource.h"
#include "reception/testreception.h"

#include <QSqlDatabase>
#include <QString>
#include <memory>

namespace zevo::tool {

class StoringReception {
public:
    // Opens (or creates) the database; check error() before use.
    StoringReception(ByteSource& source, const QString& databasePath);
    ~StoringReception();

    QString error() const { return m_error; }  // empty when the database is open
    void Tick() { m_reception->Timer1Timer(); }
    TestReception& Reception() { return *m_reception; }
    int failedStores() const { return m_failedStores; }
    qsizetype pendingTests() const { return m_reception->Assembly().PendingCount(); }

private:
    QString m_error;
    QString m_connectionName;
    QString m_lastKennzeichen;
    int m_failedStores = 0;
    std::unique_ptr<TestReception> m_reception;
};

}  // namespace zevo::tool
