// zevo-tool frames PRINTDATA [CURVEDATA]: the byte stream a test stand sends
// for a test whose stored texts are given, written to standard output.

#include "reception/teststandframes.h"
#include "tools/commands.h"
#include "tools/toolsupport.h"

#include <cstdio>

namespace zevo::tool {

int RunFrames(const QStringList& args)
{
    if (args.size() < 1 || args.size() > 2 || args.first().startsWith(QLatin1String("--")))
        return Fail(QStringLiteral("usage: zevo-tool frames PRINTDATA [CURVEDATA]"));
    QString error;
    const auto printData = ReadWholeFile(args[0], &error);
    if (!printData)
        return Fail(error);
    QByteArray curveData;
    if (args.size() == 2) {
        const auto curves = ReadWholeFile(args[1], &error);
        if (!curves)
            return Fail(error);
        curveData = *curves;
    }
    const TestStandStream stream = EncodeTestStandStream(*printData, curveData);
    if (!stream.error.isEmpty())
        return Fail(stream.error);
    if (std::fwrite(stream.bytes.constData(), 1, stream.bytes.size(), stdout) != size_t(stream.bytes.size()) ||
        std::fflush(stdout) != 0)
        return Fail(QStringLiteral("cannot write to standard output"));
    return 0;
}

}  // namespace zevo::tool
