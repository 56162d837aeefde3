// zevo-tool listen [PORT] --db FILE|CONF [--capture RAW]: receives from a real port,
// polling every 100 ms like the program's receive timer, and stores every test
// until SIGINT or SIGTERM. Without PORT it opens the port named in the
// settings file of the working directory. With --capture every received byte
// is also appended to RAW, so what a workshop saw can be replayed later.
// A port that goes away (adapter unplugged, pseudo-terminal closed) is tried
// again every 3 s, as the program does; standard error says when it was lost
// and when it is open again.

#include "lang/einstellungen.h"
#include "reception/comport.h"
#include "reception/portrecovery.h"
#include "tools/commands.h"
#include "records/database.h"
#include "records/databasewatch.h"
#include "tools/storingreception.h"
#include "tools/toolsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <atomic>
#include <csignal>

namespace zevo::tool {
namespace {

std::atomic<bool> stopRequested{false};

extern "C" void RequestStop(int) { stopRequested = true; }

// Passes the port's bytes on and appends each of them to the capture file.
class RecordingSource final : public ByteSource {
public:
    RecordingSource(ByteSource& inner, QFile* capture) : m_inner(inner), m_capture(capture) {}

    quint32 BytesWaiting() override { return m_inner.BytesWaiting(); }
    quint32 Read(char* buffer, quint32 capacity) override
    {
        const quint32 n = m_inner.Read(buffer, capacity);
        if (n > 0 && m_capture) {
            if (m_capture->write(buffer, n) != qint64(n) || !m_capture->flush())
                m_captureError = m_capture->errorString();
        }
        return n;
    }
    QString captureError() const { return m_captureError; }

private:
    ByteSource& m_inner;
    QFile* m_capture;
    QString m_captureError;
};

QString ConfiguredPort(QString* error)
{
    Settings settings;
    const SettingsLoadResult loaded = LoadSettings(settings);
    if (settings.PortName.isEmpty()) {
        *error = loaded.state == SettingsFileState::Loaded
                     ? QStringLiteral("the settings file names no port (COM1: to COM8:); give PORT")
                     : loaded.message + QStringLiteral(" Give PORT, e.g. COM1: or /dev/ttyUSB0.");
    }
    return settings.PortName;
}

}  // namespace

constexpr int ServerCheckSeconds = 5;

int RunListen(const QStringList& args)
{
    QString error;
    const auto parsed = ParseArguments(args, {QStringLiteral("--db"), QStringLiteral("--capture")}, &error);
    if (!parsed)
        return Fail(error);
    if (parsed->positional.size() > 1 || !parsed->options.contains(QStringLiteral("--db")))
        return Fail(QStringLiteral("usage: zevo-tool listen [PORT] --db FILE|CONF [--capture RAW]"));

    const QString portName = parsed->positional.isEmpty() ? ConfiguredPort(&error) : parsed->positional.first();
    if (portName.isEmpty())
        return Fail(error);

    QFile capture(parsed->options.value(QStringLiteral("--capture")));
    if (!capture.fileName().isEmpty() && !capture.open(QIODevice::WriteOnly | QIODevice::Append))
        return Fail(QStringLiteral("cannot write the capture \"%1\": %2").arg(capture.fileName(), capture.errorString()));

    if (const QString note = TComport::FallbackNote(portName); !note.isEmpty())
        QTextStream(stderr) << "zevo-tool: " << note << Qt::endl;
    TComport port;
    if (!port.Open(portName))
        return Fail(QStringLiteral("the port %1 will not open: %2").arg(portName, port.LastError()));
    RecordingSource source(port, capture.isOpen() ? &capture : nullptr);
    StoringReception reception(source, parsed->options.value(QStringLiteral("--db")), true);
    if (!reception.error().isEmpty())
        return Fail(reception.error());
    PortRecovery recovery(port, reception.Reception());

    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    QTextStream(stderr) << "zevo-tool: listening on " << portName << " (" << port.Device()
                        << "); stop with Ctrl-C" << Qt::endl;

    // A database server that goes away is connected again in the
    // background; the tests that wait are stored once it answers.
    std::unique_ptr<DatabaseWatch> watch;
    if (OnServer(reception.Database())) {
        watch = std::make_unique<DatabaseWatch>(
            reception.Database(), [&] { return reception.pendingTests() > 0; }, ServerCheckSeconds);
        QObject::connect(watch.get(), &DatabaseWatch::retryDue, [&] { reception.RetryPending(); });
        QObject::connect(watch.get(), &DatabaseWatch::back,
                         [] { QTextStream(stderr) << "zevo-tool: the database server answers again" << Qt::endl; });
    }

    int status = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (stopRequested) {
            QCoreApplication::quit();
            return;
        }
        reception.Tick();
        switch (recovery.AfterTick()) {
        case PortRecovery::Change::Lost:
            QTextStream(stderr) << "zevo-tool: port lost (" << port.LastError() << "); trying to open " << portName
                                << " again every " << PortRecovery::RetrySeconds << " s" << Qt::endl;
            break;
        case PortRecovery::Change::Reopened:
            QTextStream(stderr) << "zevo-tool: " << portName << " is open again; listening" << Qt::endl;
            break;
        case PortRecovery::Change::None:
            break;
        }
        if (!source.captureError().isEmpty()) {
            status = Fail(QStringLiteral("cannot write the capture: %1").arg(source.captureError()));
            QCoreApplication::quit();
        }
    });
    timer.start(100);
    QCoreApplication::exec();

    port.Close();
    if (status == 0 && reception.pendingTests() > 0)
        return Fail(QStringLiteral("%1 received test(s) could not be stored").arg(reception.pendingTests()));
    return status;
}

}  // namespace zevo::tool
