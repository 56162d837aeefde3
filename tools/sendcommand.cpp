// zevo-tool send PORT FILE... [--rate BYTES_PER_SECOND] [--pause SECONDS]
// zevo-tool send --pty-link NAME FILE... [--rate BYTES_PER_SECOND] [--pause SECONDS]
//
// Plays captures into a port the way a test stand sends them, by default at
// the line's 960 bytes a second (9600 baud, 8N1), with a pause between files.
// The test stand simulator for trying the program: with --pty-link it makes
// the port itself, a pseudo-terminal whose other end is linked as NAME in the
// working folder (COM1 there is the program's "COM1:"), and removes the link
// when it is done or stopped.

#include "reception/comport.h"
#include "tools/commands.h"
#include "tools/toolsupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QTextStream>
#include <QThread>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace zevo::tool {
namespace {

constexpr int LineBytesPerSecond = 960;
constexpr int SliceMs = 100;
constexpr int DrainTimeoutMs = 30000;
constexpr int DrainQuietMs = 1000;

std::atomic<bool> stopRequested{false};

extern "C" void RequestSendStop(int)
{
    stopRequested = true;
}

// Writes one slice; false (with the reason) when the port failed.
using Writer = std::function<bool(QByteArrayView bytes, QString* error)>;

bool SleepUnlessStopped(qint64 ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!stopRequested && clock.elapsed() < ms)
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(50, ms - clock.elapsed())));
    return !stopRequested;
}

// A pseudo-terminal standing in for the serial port. The link NAME points at
// its slave side; the slave is held open here so that bytes written before
// the program opens the port wait for it instead of being lost.
class PtyLink {
  public:
    ~PtyLink()
    {
        if (!m_link.isEmpty() && QFileInfo(m_link).symLinkTarget() == m_slavePath)
            QFile::remove(m_link);
        if (m_slaveHold >= 0)
            ::close(m_slaveHold);
        if (m_master >= 0)
            ::close(m_master);
    }

    QString Open(const QString& name)
    {
        // Only a link that an earlier run left behind (to a pseudo-terminal
        // or to nothing) may be replaced; COM1 -> /dev/ttyUSB0 is the
        // workshop's own and stays.
        const QFileInfo existing(name);
        const QString target = existing.symLinkTarget();
        const bool leftOver =
            existing.isSymLink() && (target.startsWith(QLatin1String("/dev/pts/")) || !QFileInfo::exists(target));
        if ((existing.exists() || existing.isSymLink()) && !leftOver)
            return QStringLiteral("%1 exists and is no link left by zevo-tool; it is left as it is").arg(name);
        char slave[256] = {};
        if (::openpty(&m_master, &m_slaveHold, slave, nullptr, nullptr) != 0)
            return QStringLiteral("no pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        termios tio{};
        if (::tcgetattr(m_slaveHold, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(m_slaveHold, TCSANOW, &tio);
        }
        ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_slavePath = QString::fromLocal8Bit(slave);
        if (leftOver)
            QFile::remove(name);
        if (!QFile::link(m_slavePath, name))
            return QStringLiteral("cannot link %1 to %2").arg(name, m_slavePath);
        m_link = QFileInfo(name).absoluteFilePath();
        return {};
    }

    QString SlavePath() const { return m_slavePath; }

    bool Write(QByteArrayView bytes, QString* error)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            if (stopRequested)
                return true;
            const ssize_t n = ::write(m_master, bytes.data() + done, size_t(bytes.size() - done));
            if (n >= 0) {
                done += n;
                continue;
            }
            if (errno == EAGAIN) { // nobody reads yet: wait, but stay stoppable
                pollfd wait{m_master, POLLOUT, 0};
                ::poll(&wait, 1, 200);
                continue;
            }
            if (errno == EINTR)
                continue;
            *error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        return true;
    }

    // Waits until the program has read what was sent (the slave's input is
    // empty), so that closing the pair loses nothing.
    void Drain()
    {
        // Bytes written to the master reach the slave's queue a little later,
        // so the queue must stay empty for a while before it counts as read.
        QElapsedTimer clock;
        clock.start();
        QElapsedTimer empty;
        empty.start();
        while (!stopRequested && clock.elapsed() < DrainTimeoutMs && empty.elapsed() < DrainQuietMs) {
            int waiting = 0;
            if (::ioctl(m_slaveHold, FIONREAD, &waiting) != 0)
                return;
            if (waiting > 0)
                empty.restart();
            QThread::msleep(50);
        }
    }

  private:
    int m_master = -1;
    int m_slaveHold = -1;
    QString m_slavePath;
    QString m_link;
};

bool WriteAll(QSerialPort& port, QByteArrayView bytes)
{
    if (port.write(bytes.data(), bytes.size()) != bytes.size())
        return false;
    // A pseudo-terminal nobody reads can hold only so much; wait for it.
    while (port.bytesToWrite() > 0) {
        if (!port.waitForBytesWritten(5000))
            return false;
    }
    return true;
}

// One slice every 100 ms, timed against the start so the rate holds on average.
bool Play(const QByteArray& bytes, int rate, const Writer& write, QString* error)
{
    const qsizetype slice = std::max<qsizetype>(1, qsizetype(rate) * SliceMs / 1000);
    QElapsedTimer clock;
    clock.start();
    for (qsizetype sent = 0; sent < bytes.size() && !stopRequested; sent += slice) {
        const qint64 due = sent * 1000 / rate;
        if (const qint64 wait = due - clock.elapsed(); wait > 0 && !SleepUnlessStopped(wait))
            break;
        if (!write(QByteArrayView(bytes).sliced(sent, std::min(slice, bytes.size() - sent)), error))
            return false;
    }
    return true;
}

const QString Usage =
    QStringLiteral("usage: zevo-tool send PORT FILE... [--rate BYTES_PER_SECOND] [--pause SECONDS]\n"
                   "       zevo-tool send --pty-link NAME FILE... [--rate BYTES_PER_SECOND] [--pause SECONDS]");

} // namespace

int RunSend(const QStringList& args)
{
    QString error;
    const auto parsed = ParseArguments(
        args, {QStringLiteral("--rate"), QStringLiteral("--pause"), QStringLiteral("--pty-link")}, &error);
    if (!parsed)
        return Fail(error);
    const bool ownPty = parsed->options.contains(QStringLiteral("--pty-link"));
    QStringList files = parsed->positional;
    QString portName;
    if (!ownPty && !files.isEmpty())
        portName = files.takeFirst();
    if (files.isEmpty() || (ownPty && parsed->options.value(QStringLiteral("--pty-link")).isEmpty()))
        return Fail(Usage);

    int rate = LineBytesPerSecond;
    if (parsed->options.contains(QStringLiteral("--rate"))) {
        bool ok = false;
        rate = parsed->options.value(QStringLiteral("--rate")).toInt(&ok);
        if (!ok || rate < 1)
            return Fail(QStringLiteral("--rate takes a whole number of bytes per second above 0"));
    }
    double pauseSeconds = 0;
    if (parsed->options.contains(QStringLiteral("--pause"))) {
        bool ok = false;
        pauseSeconds = parsed->options.value(QStringLiteral("--pause")).toDouble(&ok);
        if (!ok || pauseSeconds < 0 || pauseSeconds > 3600)
            return Fail(QStringLiteral("--pause takes seconds from 0 to 3600"));
    }

    QList<QByteArray> captures;
    for (const QString& file : files) {
        const auto bytes = ReadWholeFile(file, &error);
        if (!bytes)
            return Fail(error);
        captures << *bytes;
    }

    std::signal(SIGINT, RequestSendStop);
    std::signal(SIGTERM, RequestSendStop);

    PtyLink pty;
    QSerialPort port;
    Writer write;
    if (ownPty) {
        const QString name = parsed->options.value(QStringLiteral("--pty-link"));
        if (QString failed = pty.Open(name); !failed.isEmpty())
            return Fail(failed);
        QTextStream(stderr) << "zevo-tool: simulated test stand on " << name << " -> " << pty.SlavePath()
                            << "; stop with Ctrl-C" << Qt::endl;
        write = [&pty](QByteArrayView bytes, QString* why) { return pty.Write(bytes, why); };
        portName = name;
    } else {
        port.setPortName(TComport::SystemPortName(portName));
        if (!port.open(QIODevice::WriteOnly))
            return Fail(QStringLiteral("the port %1 will not open: %2").arg(portName, port.errorString()));
        port.setBaudRate(QSerialPort::Baud9600);
        port.setDataBits(QSerialPort::Data8);
        port.setParity(QSerialPort::NoParity);
        port.setStopBits(QSerialPort::OneStop);
        port.setFlowControl(QSerialPort::NoFlowControl);
        write = [&port](QByteArrayView bytes, QString* why) {
            if (WriteAll(port, bytes))
                return true;
            *why = port.errorString();
            return false;
        };
    }

    for (qsizetype i = 0; i < captures.size() && !stopRequested; ++i) {
        if (i > 0 && !SleepUnlessStopped(qint64(pauseSeconds * 1000)))
            break;
        if (!Play(captures[i], rate, write, &error))
            return Fail(QStringLiteral("writing to %1 failed: %2").arg(portName, error));
    }
    if (ownPty)
        pty.Drain();
    port.close();
    return 0;
}

} // namespace zevo::tool
