#include "tools/storingreception.h"

#include "decode/decoder.h"
#include "decode/printdata.h"
#include "reception/databasestore.h"
#include "records/database.h"
#include "tools/toolsupport.h"

#include <QDateTime>
#include <QTextStream>

namespace zevo::tool {

StoringReception::StoringReception(ByteSource& source, const QString& databaseArgument, bool waitForServer)
    : m_connectionName(QString::fromLatin1(DatabaseConnectionName))
{
    const DbResult<DatabaseConfig> config = DatabaseConfigFromArgument(databaseArgument);
    if (!config.ok()) {
        m_error = config.error();
        return;
    }
    DbResult<QSqlDatabase> db = OpenDatabase(config.value(), m_connectionName);
    if (!db.ok() && waitForServer && config.value().OnServer()) {
        Fail(QStringLiteral("%1; received tests are kept and stored when it answers").arg(db.error()));
        db = AddDatabase(config.value(), m_connectionName);
    }
    if (!db.ok()) {
        m_error = db.error();
        return;
    }
    ReceptionHooks hooks;
    hooks.clock = [] { return QDateTime::currentDateTime(); };
    hooks.store = [this, store = DatabaseStore(db.value())](const MessungRow& row) {
        const StoreResult result = store(row);
        if (result.Stored) {
            m_lastKennzeichen = row.Kennzeichen;
            m_lastVehicleBlocks = VehicleBlockCount(PrintData(row.Druckdaten));
        }
        return result;
    };
    hooks.stored = [this](qint64 id, bool) {
        ++m_storedTests;
        m_lastFailure.clear();
        QTextStream(stdout) << "stored " << id << ' ' << m_lastKennzeichen << Qt::endl;
        if (m_lastVehicleBlocks > 1)
            Fail(QStringLiteral("stored test %1 (%2): %3").arg(id).arg(m_lastKennzeichen, InterruptedTestProblem(m_lastVehicleBlocks)));
    };
    hooks.storeFailed = [this](const QString& error) {
        ++m_failedStores;
        if (error != m_lastFailure)
            Fail(QStringLiteral("a received test could not be stored (kept for a retry): %1").arg(error));
        m_lastFailure = error;
    };
    m_reception = std::make_unique<TestReception>(source, std::move(hooks));
}

StoringReception::~StoringReception()
{
    m_reception.reset();
    if (m_error.isEmpty())
        CloseDatabase(m_connectionName);
}

}  // namespace zevo::tool
