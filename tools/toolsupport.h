#pragma once
// Small pieces every zevo-tool command shares: the one-line error exit,
// reading a whole file, and splitting the arguments into positional ones and
// "--name value" options.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace zevo::tool {

inline constexpr int ExitError = 2;

// Prints "zevo-tool: message" on standard error and returns ExitError.
int Fail(const QString& message);

// The whole file, or nothing with *error set to a sentence naming the file.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error);

struct Arguments {
    QStringList positional;
    QMap<QString, QString> options;  // "--db" -> "file"
    QStringList flags;               // "--resume"
};

// Every option in `known` takes a value, every one in `flags` stands alone;
// any other option, or one without its value, gives nothing and *error.
std::optional<Arguments> ParseArguments(const QStringList& args, const QStringList& known, QString* error,
                                        const QStringList& flags = {});

}  // namespace zevo::tool
