#include "reception/comport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>
#include <limits>

namespace zevo {
namespace {

// n of "COMn:" (1..8); 0 for any other name.
int ComNumber(const QString& name)
{
    static const QRegularExpression comName(QStringLiteral("^COM([1-8]):$"));
    const QRegularExpressionMatch match = comName.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// "COM1: (/dev/ttyUSB0): why", "/dev/ttyUSB0: why": the port, then why.
QString Reason(const QString& name, const QString& device, const QString& why)
{
    const QString port = name == device ? name : QStringLiteral("%1 (%2)").arg(name, device);
    return port + QStringLiteral(": ") + why;
}

// Whether `device` is what "COMn:" falls back to for want of a COMn entry here.
bool IsFallback(const QString& name, const QString& device)
{
#ifdef Q_OS_WIN
    Q_UNUSED(name);
    Q_UNUSED(device);
    return false;
#else
    return ComNumber(name) != 0 && device.startsWith(QLatin1String("/dev/ttyS"));
#endif
}

}  // namespace

TComport::TComport()
{
    // A hung-up line stays readable while every read returns nothing, so
    // QSerialPort's read notifier would wake the event loop for ever (tens of
    // thousands of times a second). The port is closed as soon as its read
    // fails; queued, because QSerialPort reports it from inside its notifier.
    QObject::connect(
        &m_port, &QSerialPort::errorOccurred, &m_port, [this] { CheckLine(); }, Qt::QueuedConnection);
}

TComport::~TComport() { Close(); }

QString TComport::SystemPortName(const QString& name)
{
    const int number = ComNumber(name);
    if (number == 0)
        return name;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    // A link to a device that is not there now is still the user's choice:
    // the adapter is unplugged, and the port waits for it to come back.
    const QFileInfo entry(QStringLiteral("COM%1").arg(number));
    if (entry.exists() || entry.isSymLink())
        return entry.absoluteFilePath();
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

QString TComport::FallbackNote(const QString& name)
{
    const QString device = SystemPortName(name);
    if (!IsFallback(name, device))
        return {};
    return QStringLiteral("%1 has no link COM%2 in %3; using %4")
        .arg(name)
        .arg(ComNumber(name))
        .arg(QDir::currentPath(), device);
}

bool TComport::Open(const QString& name)
{
    return OpenDevice(name, SystemPortName(name));
}

bool TComport::Reopen()
{
    // A COMn link removed meanwhile would fall back to /dev/ttyS<n-1>: the
    // device of the last opening is waited for instead.
    const QString device = SystemPortName(m_name);
    return OpenDevice(m_name, IsFallback(m_name, device) ? m_device : device);
}

bool TComport::OpenDevice(const QString& name, const QString& device)
{
    const QString wanted = name;  // may be m_name itself
    m_device = device;
    CloseKeepingBytes();
    m_name = wanted;
    m_port.setPortName(device);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    // QSerialPort takes the port exclusively (lock file and TIOCEXCL), so a
    // port held by another program fails here, as it should.
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QFileInfo link(device);
        m_lastError =
            Reason(wanted, device,
                   link.isSymLink() && !link.exists()
                       ? QStringLiteral("%1 points at %2, which is not there").arg(device, link.symLinkTarget())
                       : m_port.errorString());
        return false;
    }
    // All control flags of the line off, DTR and RTS included: the line is
    // receive-only and nothing is signalled to the test stand. A
    // pseudo-terminal has no modem lines and refuses; that is no fault.
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(false);
    m_port.clearError();
    m_lost = false;
    m_lastError.clear();
    return true;
}

void TComport::Close()
{
    CloseKeepingBytes();
    m_name.clear();
    m_lost = false;
}

void TComport::CloseKeepingBytes()
{
    if (!m_port.isOpen())
        return;
    // What QSerialPort already took from the line belongs to the stream;
    // closing would throw it away.
    m_keptBytes += m_port.readAll();
    m_port.close();
}

// A failed read on an open port means the line hung up or the device went
// away; there is nothing more to read from it until it is opened again.
void TComport::CheckLine()
{
    if (!m_port.isOpen())
        return;
    const QSerialPort::SerialPortError error = m_port.error();
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    CloseKeepingBytes();
    m_lost = true;
    m_lastError = Reason(m_name, m_device, QStringLiteral("the device hung up or went away"));
}

bool TComport::IsOpen() const { return m_port.isOpen(); }

quint32 TComport::BytesWaiting()
{
    if (m_port.isOpen()) {
        // QSerialPort only moves bytes from the driver into its own buffer when
        // it gets to run; a zero wait does that now without blocking, so this
        // works with or without a running event loop.
        m_port.waitForReadyRead(0);
        if (m_port.error() == QSerialPort::TimeoutError)
            m_port.clearError();  // "nothing new" is no fault
        CheckLine();
    }
    const qint64 available = m_keptBytes.size() + (m_port.isOpen() ? m_port.bytesAvailable() : 0);
    return static_cast<quint32>(qBound<qint64>(0, available, std::numeric_limits<quint32>::max()));
}

quint32 TComport::Read(char* buffer, quint32 capacity)
{
    if (capacity == 0)
        return 0;
    const quint32 wanted = qMin(BytesWaiting(), capacity - 1);
    // Bytes kept from a closed port come first: they arrived first.
    quint32 got = qMin<quint32>(wanted, static_cast<quint32>(m_keptBytes.size()));
    if (got > 0) {
        std::memcpy(buffer, m_keptBytes.constData(), got);
        m_keptBytes.remove(0, got);
    }
    if (got < wanted && m_port.isOpen()) {
        const qint64 n = m_port.read(buffer + got, wanted - got);
        if (n > 0)
            got += static_cast<quint32>(n);  // only what really arrived is handed on
    }
    buffer[got] = 0;
    return got;
}

}  // namespace zevo
