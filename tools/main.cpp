// zevo-tool: the command-line companion of the ZEVO Assistant. It turns test
// texts into the byte stream a test stand sends, replays recorded captures
// through the program's own reception, listens on a real port, plays a
// capture into a port like a test stand would, decodes stored tests, draws
// their report pages and moves an archive to another database.

#include "tools/commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& args);
    const char* usage;
    bool drawsPages = false;  // wants a QGuiApplication (fonts, painting)
};

const Command Commands[] = {
    {"frames", zevo::tool::RunFrames, "frames PRINTDATA [CURVEDATA]        write a test stand's byte stream for a test"},
    {"replay", zevo::tool::RunReplay, "replay CAPTURE --db FILE|CONF       store the tests of a raw capture (an SQLite file or a zevodb.conf)"},
    {"listen", zevo::tool::RunListen, "listen [PORT] --db FILE|CONF [--capture RAW]  receive and store tests until stopped"},
    {"send", zevo::tool::RunSend, "send (PORT | --pty-link NAME) FILE... [--rate BYTES_PER_SECOND] [--pause SECONDS]  play captures into a port"},
    {"decode", zevo::tool::RunDecode, "decode PRINTDATA [--curves CURVEDATA] [--language 1|2|3] [--limit-set eu|pl|rus] [--vehicle-type 1..6] [--registration-group 1|2] [--plates 2|4]  decoded test as JSON"},
    {"render", zevo::tool::RunRender, "render PRINTDATA [decode options] [--params PARAMS_INI] [--db FILE|CONF] [--date DD.MM.YYYY] [--time HH:MM:SS] --page numeric|bars [--dpi N] (--pdf OUT | --png OUT)  report page as PDF or PNG", true},
    {"copy-db", zevo::tool::RunCopyDb, "copy-db FROM TO [--resume]           copy every test, vehicle and employee line to another database (SQLite file or .conf)"},
};

// The usage of every command: on standard output and exit 0 when asked for,
// on standard error and exit 2 after a wrong call.
int Usage(FILE* to, int status)
{
    QTextStream out(to);
    out << "usage: zevo-tool COMMAND ...\n";
    for (const Command& command : Commands)
        out << "  zevo-tool " << command.usage << "\n";
    out << "  zevo-tool help                       this text\n";
    return status;
}

const Command* FindCommand(const char* name)
{
    for (const Command& command : Commands) {
        if (std::strcmp(name, command.name) == 0)
            return &command;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && (std::strcmp(argv[1], "help") == 0 || std::strcmp(argv[1], "--help") == 0 ||
                     std::strcmp(argv[1], "-h") == 0))
        return Usage(stdout, 0);
    const Command* command = argc > 1 ? FindCommand(argv[1]) : nullptr;
    // Drawing needs a GUI application; without a display it runs offscreen.
    // The platform must be chosen before the application object exists.
    std::unique_ptr<QCoreApplication> app;
    if (command && command->drawsPages) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (!command) {
        if (argc > 1)
            QTextStream(stderr) << "zevo-tool: unknown command \"" << argv[1] << "\"\n";
        return Usage(stderr, 2);
    }
    return command->run(app->arguments().mid(2));
}
