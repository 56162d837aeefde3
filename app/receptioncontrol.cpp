#include "app/receptioncontrol.h"

#include "app/programstate.h"
#include "reception/databasestore.h"
#include "records/database.h"
#include "reception/teststandframes.h"

#include <QDir>
#include <QSaveFile>
#include <QTimer>

namespace zevo {

ReceptionControl::ReceptionControl(ProgramState& state, const QSqlDatabase& db, QObject* parent)
    : QObject(parent), timer1_(new QTimer(this)),
      databaseArgument_(QString::fromLatin1(OnServer(db) ? DatabaseConfigFile : DefaultDatabaseFile))
{
    ReceptionHooks hooks;
    hooks.store = DatabaseStore(db);
    hooks.stored = [this](qint64 id, bool printAtOnce) { emit testStored(id, printAtOnce); };
    hooks.storeFailed = [this](const QString& error) { emit storeFailed(error); };
    hooks.clock = [&state] { return state.clock(); };
    hooks.settings = &state.settings.einstellungen;
    reception_ = std::make_unique<TestReception>(comPort_, std::move(hooks));
    recovery_ = std::make_unique<PortRecovery>(comPort_, *reception_);

    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(100);
    connect(timer1_, &QTimer::timeout, this, &ReceptionControl::Timer1Timer);
    SetPortStatus(QStringLiteral("No serial port open."));
}

ReceptionControl::~ReceptionControl()
{
    timer1_->stop();
    comPort_.Close();
}

void ReceptionControl::OpenPort(const QString& portName)
{
    comPort_.Close();
    if (portName.isEmpty()) {
        SetPortStatus(QStringLiteral("No serial port chosen: no tests are received (Einstellungen > "
                                     "Grundeinstellungen)."));
        return;
    }
    if (comPort_.Open(portName))
        SetReceivingStatus();
    else
        SetPortStatus(QStringLiteral("The serial port cannot be opened: %1. No tests are received; trying again "
                                     "every %2 s.")
                          .arg(comPort_.LastError())
                          .arg(PortRecovery::RetrySeconds));
}

void ReceptionControl::ClosePort()
{
    comPort_.Close();
    SetPortStatus(QStringLiteral("No serial port open."));
}

void ReceptionControl::Timer1Timer()
{
    reception_->Timer1Timer();
    switch (recovery_->AfterTick()) {
    case PortRecovery::Change::Lost:
        SetPortStatus(QStringLiteral("Serial port lost: %1. What was received is kept; trying to open it again "
                                     "every %2 s.")
                          .arg(comPort_.LastError())
                          .arg(PortRecovery::RetrySeconds));
        break;
    case PortRecovery::Change::Reopened:
        SetReceivingStatus();
        break;
    case PortRecovery::Change::None:
        break;
    }
}

QString ReceptionControl::KeepUnstoredTests(const QString& folder)
{
    TestAssembly& assembly = reception_->Assembly();
    if (assembly.RetryPending())
        return {};

    QByteArray capture;
    for (const MessungRow& row : assembly.Pending()) {
        const TestStandStream stream = EncodeTestStandStream(row.Druckdaten, row.Grafikdaten);
        if (!stream.error.isEmpty())
            return QStringLiteral("%1 received test(s) could not be stored, nor written to a file: %2")
                .arg(assembly.PendingCount())
                .arg(stream.error);
        capture += stream.bytes;
    }
    const QString path = QDir(folder).filePath(
        QStringLiteral("zevo-unstored-%1.raw").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(capture) != capture.size() || !file.flush() || !file.commit())
        return QStringLiteral("%1 received test(s) could not be stored, nor written to \"%2\": %3")
            .arg(assembly.PendingCount())
            .arg(path, file.errorString());
    return QStringLiteral("%1 received test(s) could not be stored in the database. They are kept in \"%2\"; "
                          "store them later with: zevo-tool replay \"%2\" --db %3")
        .arg(assembly.PendingCount())
        .arg(path, databaseArgument_);
}

void ReceptionControl::RetryPending()
{
    reception_->Assembly().RetryPending();
}

void ReceptionControl::SetReceivingStatus()
{
    SetPortStatus(QStringLiteral("Receiving on %1 (%2).").arg(comPort_.Name(), comPort_.Device()));
}

void ReceptionControl::SetPortStatus(const QString& status)
{
    portStatus_ = status;
    emit portStatusChanged(status);
}

} // namespace zevo
