#include "tests/support/ptypair.h"

#include <QElapsedTimer>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zevo::testing {

bool PtyPair::open()
{
    char name[256] = {};
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return false;
    // Raw mode on the slave side, so no byte is translated or swallowed.
    termios tio{};
    if (tcgetattr(slave, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(slave, TCSANOW, &tio);
    }
    // A program the test starts must not hold the pair open behind its back.
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    m_master = master;
    m_slaveHold = slave;
    m_slavePath = QString::fromLocal8Bit(name);
    return true;
}

void PtyPair::hangUp()
{
    closeSlaveHold();
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

void PtyPair::closeSlaveHold()
{
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    m_slaveHold = -1;
}

bool PtyPair::writeToSlave(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

QByteArray PtyPair::readFromSlave(qsizetype count, int timeoutMs)
{
    QByteArray result;
    QElapsedTimer clock;
    clock.start();
    while (result.size() < count && clock.elapsed() < timeoutMs) {
        pollfd fd{m_master, POLLIN, 0};
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        if (::poll(&fd, 1, left > 0 ? left : 0) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0)
            result.append(buffer, n);
    }
    return result;
}

qint64 ReadCalls(qint64 pid)
{
    QFile io(pid > 0 ? QStringLiteral("/proc/%1/io").arg(pid) : QStringLiteral("/proc/self/io"));
    const QByteArray text = io.open(QIODevice::ReadOnly) ? io.readAll() : QByteArray();
    const qsizetype at = text.indexOf("syscr: ");
    return at < 0 ? -1 : text.mid(at + 7, text.indexOf('\n', at) - at - 7).toLongLong();
}

}  // namespace zevo::testing
