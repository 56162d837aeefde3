#pragma once
// Reception for the main window: the serial port, the receive timer Timer1
// (100 ms, off until the window has been shown) and the framing and test
// assembly behind it. Every finished test is stored in the database at once;
// the window learns of it by testStored. Port failures are silent apart from
// the status text: a port that goes away or will not open is tried again
// every few seconds, and reception goes on when it is back.

#include "reception/comport.h"
#include "reception/portrecovery.h"
#include "reception/testreception.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <memory>

class QTimer;

namespace zevo {

struct ProgramState;

class ReceptionControl : public QObject {
    Q_OBJECT

  public:
    ReceptionControl(ProgramState& state, const QSqlDatabase& db, QObject* parent = nullptr);
    ~ReceptionControl() override;

    // Closes the port and opens the one named ("COM1:" .. "COM8:" or a device).
    void OpenPort(const QString& portName);
    void ClosePort();
    bool PortOpen() const { return comPort_.IsOpen(); }
    // Which port is open, or why none is.
    const QString& PortStatus() const { return portStatus_; }

    QTimer* Timer1() const { return timer1_; }
    void Timer1Timer(); // one tick: take what the port has, handle whole frames, recover a lost port

    const TestReception& Reception() const { return *reception_; }
    // Stores the tests that wait after a failed store (the database is back).
    void RetryPending();

    // Tries once more to store the tests that could not be stored. Those still
    // unstored are written into `folder` as a capture of the test stand's
    // bytes, which "zevo-tool replay FILE --db zevodb.sqlite" (or
    // zevodb.conf for a server) stores later.
    // Returns a message for the user; empty when no test is left unstored.
    QString KeepUnstoredTests(const QString& folder);

  signals:
    void testStored(qint64 id, bool printAtOnce);
    // A finished test could not be stored; reception keeps it and tries again
    // before the next one.
    void storeFailed(const QString& error);
    void portStatusChanged(const QString& status);

  private:
    void SetPortStatus(const QString& status);
    void SetReceivingStatus(); // the port is open: which one, and its device

    TComport comPort_;
    std::unique_ptr<TestReception> reception_;
    std::unique_ptr<PortRecovery> recovery_;
    QTimer* timer1_;
    QString portStatus_;
    QString databaseArgument_; // how zevo-tool names this database
};

} // namespace zevo
