// zevo-tool: the command-line companion of the ZEVO Assistant. It turns test
// texts into the byte stream a test stand sends, replays recorded captures
// through the program's own reception, listens on a real port, plays a
// capture into a port like a test stand would, and decodes stored tests.

#include "tools/commands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& args);
    const char* usage;
};

const Command Commands[] = {
    {"frames", zevo::tool::RunFrames, "frames PRINTDATA [CURVEDATA]        write a test stand's byte stream for a test"},
    {"replay", zevo::tool::RunReplay, "replay CAPTURE --db FILE            store the tests of a raw capture"},
    {"listen", zevo::tool::RunListen, "listen [PORT] --db FILE [--capture RAW]  receive and store tests until stopped"},
    {"send", zevo::tool::RunSend, "send (PORT | --pty-link NAME) FILE... [--rate BYTES_PER_SECOND] [--pause SECONDS]  play captures into a port"},
    {"decode", zevo::tool::RunDecode, "decode PRINTDATA [--curves CURVEDATA] [--language 1|2|3] [--limit-set eu|pl|rus] [--vehicle-type 1..6] [--registration-group 1|2] [--plates 2|4]  decoded test as JSON"},
};

int Usage()
{
    QTextStream err(stderr);
    err << "usage: zevo-tool COMMAND ...\n";
    for (const Command& command : Commands)
        err << "  zevo-tool " << command.usage << "\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    const QString name = args.takeFirst();
    for (const Command& command : Commands) {
        if (name == QLatin1String(command.name))
            return command.run(args);
    }
    return Usage();
}
