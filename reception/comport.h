#pragma once
// The serial port through which the test stand's bytes arrive: 9600 baud, 8N1,
// no flow control, opened exclusively. Receive-only: it tells how many bytes
// are waiting and reads them without ever waiting for more. Failures are
// silent (the program runs on without reception); LastError() says why for a
// status line.

#include "reception/bytesource.h"

#include <QSerialPort>
#include <QString>

namespace zevo {

class TComport final : public ByteSource {
public:
    TComport();  // closed; opens nothing
    ~TComport() override;
    TComport(const TComport&) = delete;
    TComport& operator=(const TComport&) = delete;

    // Opens "COM1:" .. "COM8:" (mapped by SystemPortName) or a device path as
    // given. Returns whether the port is open; on failure the instance stays
    // closed and LastError() holds the reason.
    bool Open(const QString& name);
    void Close();  // harmless when already closed
    bool IsOpen() const;

    quint32 BytesWaiting() override;                           // 0 while closed
    quint32 Read(char* buffer, quint32 capacity) override;  // 0 and a single 0 byte while closed

    QString LastError() const { return m_lastError; }  // empty after a successful Open

    // The device behind a port name. "COMn:" (n = 1..8) is COMn on Windows;
    // elsewhere a file or link named COMn in the working directory when there is
    // one (so COM1 can point at /dev/ttyUSB0), else /dev/ttyS<n-1>. Any other
    // name is returned unchanged.
    static QString SystemPortName(const QString& name);

private:
    QSerialPort m_port;
    QString m_lastError;
};

}  // namespace zevo
