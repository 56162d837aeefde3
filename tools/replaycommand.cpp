// zevo-tool replay CAPTURE --db FILE|CONF: feeds a raw capture through exactly the
// program's reception, 96 bytes a tick as a 100 ms tick finds them at 9600
// baud (without waiting), and stores the tests it finds into FILE.

#include "reception/capturesource.h"
#include "tools/commands.h"
#include "tools/storingreception.h"
#include "tools/toolsupport.h"

namespace zevo::tool {

int RunReplay(const QStringList& args)
{
    QString error;
    const auto parsed = ParseArguments(args, {QStringLiteral("--db")}, &error);
    if (!parsed)
        return Fail(error);
    if (parsed->positional.size() != 1 || !parsed->options.contains(QStringLiteral("--db")))
        return Fail(QStringLiteral("usage: zevo-tool replay CAPTURE --db FILE|CONF"));

    const auto capture = ReadWholeFile(parsed->positional.first(), &error);
    if (!capture)
        return Fail(error);

    CaptureSource source(*capture, 96);
    StoringReception reception(source, parsed->options.value(QStringLiteral("--db")));
    if (!reception.error().isEmpty())
        return Fail(reception.error());
    while (!source.AtEnd())
        reception.Tick();

    if (reception.pendingTests() > 0)
        return Fail(QStringLiteral("%1 received test(s) could not be stored").arg(reception.pendingTests()));
    if (reception.storedTests() == 0)
        Fail(QStringLiteral("no complete test in \"%1\": 0 tests stored").arg(parsed->positional.first()));
    if (const int lines = reception.unfinishedPrintLines(); lines > 0)
        Fail(QStringLiteral("the capture ends inside a test: its %1 print line(s) are not stored").arg(lines));
    return 0;
}

}  // namespace zevo::tool
