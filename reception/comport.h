#pragma once
// The serial port through which the test stand's bytes arrive: 9600 baud, 8N1,
// no flow control, DTR and RTS low, opened exclusively. Receive-only: it tells
// how many bytes are waiting and reads them without ever waiting for more.
// Failures are silent (the program runs on without reception); LastError()
// says why for a status line.
//
// A port can go away while open: a USB adapter unplugged, a pseudo-terminal
// closed by its other side. Such a line stays "readable" for ever with
// nothing to read, so the port is closed as soon as that is seen and Lost()
// tells the owner, who may Reopen() it later. Bytes taken from the line before
// are never dropped by closing: they are still handed out by Read.

#include "reception/bytesource.h"

#include <QByteArray>
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
    // closed and LastError() holds the reason. The name is kept for Reopen.
    bool Open(const QString& name);
    // Opens the port last given to Open again. A COMn link that has gone away
    // meanwhile (a simulator that removed its link) is waited for, never
    // replaced by the /dev/ttyS<n-1> fallback.
    bool Reopen();
    void Close();  // harmless when already closed; forgets the name
    bool IsOpen() const;
    // The port named by the last Open; empty after Close.
    const QString& Name() const { return m_name; }
    const QString& Device() const { return m_device; }  // what Name() meant at the last Open
    // The open port went away (hang-up, device removed); true until the next
    // successful Open or a Close.
    bool Lost() const { return m_lost; }

    quint32 BytesWaiting() override;                           // 0 while closed and nothing is left
    quint32 Read(char* buffer, quint32 capacity) override;  // 0 and a single 0 byte while closed

    QString LastError() const { return m_lastError; }  // empty after a successful Open

    // The device behind a port name. "COMn:" (n = 1..8) is COMn on Windows;
    // elsewhere the file or link named COMn in the working directory when there
    // is one, even a link to a device that is not there now (COM1 pointing at
    // an unplugged /dev/ttyUSB0 waits for it), else /dev/ttyS<n-1>. Any other
    // name is returned unchanged.
    static QString SystemPortName(const QString& name);
    // Says so when "COMn:" falls back to /dev/ttyS<n-1> for want of a COMn
    // entry; empty otherwise.
    static QString FallbackNote(const QString& name);

private:
    bool OpenDevice(const QString& name, const QString& device);
    void CheckLine();
    void CloseKeepingBytes();

    QSerialPort m_port;
    QString m_name;
    QString m_device;  // what m_name meant when it was opened
    QString m_lastError;
    QByteArray m_keptBytes;  // read from the line but not yet handed out when the port closed
    bool m_lost = false;
};

}  // namespace zevo
