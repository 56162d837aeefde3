#include "app/receptioncontrol.h"

#include "app/programstate.h"
#include "reception/databasestore.h"

#include <QTimer>

namespace zevo {

ReceptionControl::ReceptionControl(ProgramState& state, const QSqlDatabase& db, QObject* parent)
    : QObject(parent), timer1_(new QTimer(this))
{
    ReceptionHooks hooks;
    hooks.store = DatabaseStore(db);
    hooks.stored = [this](qint64 id, bool printAtOnce) { emit testStored(id, printAtOnce); };
    hooks.storeFailed = [this](const QString& error) { emit storeFailed(error); };
    hooks.clock = [&state] { return state.clock(); };
    hooks.settings = &state.settings.einstellungen;
    reception_ = std::make_unique<TestReception>(comPort_, std::move(hooks));

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
    const QString device = TComport::SystemPortName(portName);
    if (comPort_.Open(portName))
        SetPortStatus(QStringLiteral("Receiving on %1 (%2).").arg(portName, device));
    else
        SetPortStatus(QStringLiteral("%1 (%2) cannot be opened: %3. No tests are received.")
                          .arg(portName, device, comPort_.LastError()));
}

void ReceptionControl::ClosePort()
{
    comPort_.Close();
    SetPortStatus(QStringLiteral("No serial port open."));
}

void ReceptionControl::Timer1Timer()
{
    reception_->Timer1Timer();
}

void ReceptionControl::SetPortStatus(const QString& status)
{
    portStatus_ = status;
    emit portStatusChanged(status);
}

} // namespace zevo
