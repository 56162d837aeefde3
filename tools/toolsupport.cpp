#include "tools/toolsupport.h"

#include <QFile>
#include <QTextStream>

namespace zevo::tool {

int Fail(const QString& message)
{
    QTextStream(stderr) << "zevo-tool: " << message << Qt::endl;
    return ExitError;
}

std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

std::optional<Arguments> ParseArguments(const QStringList& args, const QStringList& known, QString* error,
                                        const QStringList& flags)
{
    Arguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            parsed.positional << arg;
            continue;
        }
        if (flags.contains(arg)) {
            parsed.flags << arg;
            continue;
        }
        if (!known.contains(arg)) {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            *error = QStringLiteral("%1 needs a value").arg(arg);
            return std::nullopt;
        }
        parsed.options.insert(arg, args[++i]);
    }
    return parsed;
}

}  // namespace zevo::tool
