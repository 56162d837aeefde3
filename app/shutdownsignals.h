#pragma once
// The signals that end a session or the machine (SIGTERM, SIGINT, SIGHUP),
// turned into a Qt signal on the event loop, so that the program closes the
// way its close button does instead of dying with edits unposted, received
// tests unwritten and the port's lock left behind.
//
// A signal handler may do almost nothing: it writes the signal's number into
// a socket pair, and a notifier on the other end emits shutdownRequested.

#include <QObject>

class QSocketNotifier;

namespace zevo {

class ShutdownSignals : public QObject {
    Q_OBJECT

  public:
    // Takes over SIGTERM, SIGINT and SIGHUP for as long as it lives (one at a time).
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

    // Whether the handlers are in place; false when the socket pair could not be made.
    bool Installed() const { return notifier_ != nullptr; }

  signals:
    void shutdownRequested(int signalNumber);

  private:
    void ReadSignal();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace zevo
