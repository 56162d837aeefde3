// zevo-tool send PORT FILE [--rate BYTES_PER_SECOND]: plays a capture into a
// port the way a test stand sends it, by default at the line's 960 bytes a
// second (9600 baud, 8N1). The test stand simulator for trying the program.

#include "reception/comport.h"
#include "tools/commands.h"
#include "tools/toolsupport.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>

namespace zevo::tool {
namespace {

constexpr int LineBytesPerSecond = 960;
constexpr int SliceMs = 100;

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

}  // namespace

int RunSend(const QStringList& args)
{
    QString error;
    const auto parsed = ParseArguments(args, {QStringLiteral("--rate")}, &error);
    if (!parsed)
        return Fail(error);
    if (parsed->positional.size() != 2)
        return Fail(QStringLiteral("usage: zevo-tool send PORT FILE [--rate BYTES_PER_SECOND]"));

    int rate = LineBytesPerSecond;
    if (parsed->options.contains(QStringLiteral("--rate"))) {
        bool ok = false;
        rate = parsed->options.value(QStringLiteral("--rate")).toInt(&ok);
        if (!ok || rate < 1)
            return Fail(QStringLiteral("--rate takes a whole number of bytes per second above 0"));
    }

    const auto bytes = ReadWholeFile(parsed->positional[1], &error);
    if (!bytes)
        return Fail(error);

    const QString portName = parsed->positional[0];
    QSerialPort port;
    port.setPortName(TComport::SystemPortName(portName));
    if (!port.open(QIODevice::WriteOnly))
        return Fail(QStringLiteral("the port %1 will not open: %2").arg(portName, port.errorString()));
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);

    // One slice every 100 ms, timed against the start so the rate holds on average.
    const qsizetype slice = std::max<qsizetype>(1, qsizetype(rate) * SliceMs / 1000);
    QElapsedTimer clock;
    clock.start();
    for (qsizetype sent = 0; sent < bytes->size(); sent += slice) {
        const qint64 due = sent * 1000 / rate;
        if (const qint64 wait = due - clock.elapsed(); wait > 0)
            QThread::msleep(static_cast<unsigned long>(wait));
        if (!WriteAll(port, QByteArrayView(*bytes).sliced(sent, std::min(slice, bytes->size() - sent))))
            return Fail(QStringLiteral("writing to %1 failed: %2").arg(portName, port.errorString()));
    }
    port.close();
    return 0;
}

}  // namespace zevo::tool
