#include "reception/comport.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <limits>

namespace zevo {

TComport::TComport() = default;

TComport::~TComport() { Close(); }

QString TComport::SystemPortName(const QString& name)
{
    static const QRegularExpression comName(QStringLiteral("^COM([1-8]):$"));
    const QRegularExpressionMatch match = comName.match(name);
    if (!match.hasMatch())
        return name;
    const int number = match.captured(1).toInt();
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    const QFileInfo link(QStringLiteral("COM%1").arg(number));
    if (link.exists())  // follows a link; a dangling one falls through to the default
        return link.absoluteFilePath();
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

bool TComport::Open(const QString& name)
{
    Close();
    m_port.setPortName(SystemPortName(name));
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    // QSerialPort takes the port exclusively (lock file and TIOCEXCL), so a
    // port held by another program fails here, as it should.
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_lastError = QStringLiteral("%1: %2").arg(name, m_port.errorString());
        return false;
    }
    m_lastError.clear();
    return true;
}

void TComport::Close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool TComport::IsOpen() const { return m_port.isOpen(); }

quint32 TComport::BytesWaiting()
{
    if (!m_port.isOpen())
        return 0;
    // QSerialPort only moves bytes from the driver into its own buffer when it
    // gets to run; a zero wait does that now without blocking, so this works
    // with or without a running event loop.
    m_port.waitForReadyRead(0);
    if (m_port.error() == QSerialPort::TimeoutError)
        m_port.clearError();  // "nothing new" is no fault
    const qint64 available = m_port.bytesAvailable();
    return static_cast<quint32>(qBound<qint64>(0, available, std::numeric_limits<quint32>::max()));
}

quint32 TComport::Read(char* buffer, quint32 capacity)
{
    if (capacity == 0)
        return 0;
    const quint32 wanted = qMin(BytesWaiting(), capacity - 1);
    qint64 got = wanted > 0 ? m_port.read(buffer, wanted) : 0;
    if (got < 0)
        got = 0;  // only what really arrived is handed on
    buffer[got] = 0;
    return static_cast<quint32>(got);
}

}  // namespace zevo
