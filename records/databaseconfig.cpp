#include "records/databaseconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace zevo {

namespace {

using Result = DbResult<DatabaseConfig>;

QString Absolute(const QString& folder, const QString& path)
{
    return path.isEmpty() ? path : QDir(folder).absoluteFilePath(path);
}

Result Fail(const QString& path, int line, const QString& what)
{
    return Result::Failure(
        QStringLiteral("The database description \"%1\", line %2: %3").arg(path).arg(line).arg(what));
}

} // namespace

DbResult<DatabaseConfig> ReadDatabaseConfig(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return DatabaseConfig{};
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return Result::Failure(
            QStringLiteral("The database description \"%1\" cannot be read: %2").arg(path, file.errorString()));
    const QString folder = QFileInfo(path).absolutePath();

    DatabaseConfig config;
    QSet<QString> seen;
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return Fail(path, lineNumber, QStringLiteral("\"%1\" is no \"key = value\" line.").arg(line));
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        if (seen.contains(key))
            return Fail(path, lineNumber, QStringLiteral("\"%1\" is given twice.").arg(key));
        seen.insert(key);

        if (key == QLatin1String("driver")) {
            const QString driver = value.toLower();
            if (driver == QLatin1String("sqlite"))
                config.driver = DatabaseConfig::Driver::SQLite;
            else if (driver == QLatin1String("postgresql"))
                config.driver = DatabaseConfig::Driver::PostgreSQL;
            else
                return Fail(path, lineNumber,
                            QStringLiteral("unknown driver \"%1\" (sqlite or postgresql).").arg(value));
        } else if (key == QLatin1String("file")) {
            config.file = Absolute(folder, value);
        } else if (key == QLatin1String("host")) {
            config.host = value;
        } else if (key == QLatin1String("port")) {
            bool isNumber = false;
            config.port = value.toInt(&isNumber);
            if (!isNumber || config.port < 1 || config.port > 65535)
                return Fail(path, lineNumber, QStringLiteral("\"%1\" is no port number.").arg(value));
        } else if (key == QLatin1String("database")) {
            config.database = value;
        } else if (key == QLatin1String("user")) {
            config.user = value;
        } else if (key == QLatin1String("password-file")) {
            config.passwordFile = Absolute(folder, value);
        } else {
            return Fail(path, lineNumber,
                        QStringLiteral("unknown key \"%1\" (driver, file, host, port, database, user, "
                                       "password-file).")
                            .arg(key));
        }
    }
    if (config.OnServer() && config.database.isEmpty())
        return Result::Failure(
            QStringLiteral("The database description \"%1\" names no database (database = NAME).").arg(path));
    if (!config.OnServer() && config.file.isEmpty())
        return Result::Failure(QStringLiteral("The database description \"%1\" names no file.").arg(path));
    return config;
}

DbResult<DatabaseConfig> DatabaseConfigFromArgument(const QString& argument)
{
    if (argument.endsWith(QLatin1String(".conf"))) {
        if (!QFileInfo::exists(argument))
            return Result::Failure(QStringLiteral("The database description \"%1\" does not exist.").arg(argument));
        return ReadDatabaseConfig(argument);
    }
    DatabaseConfig config;
    config.file = argument;
    return config;
}

DbResult<QString> ReadPassword(const DatabaseConfig& config)
{
    if (config.passwordFile.isEmpty())
        return QString();
    QFile file(config.passwordFile);
    const QFileDevice::Permissions others =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    if (file.exists() && (file.permissions() & others))
        return DbResult<QString>::Failure(
            QStringLiteral("The password file \"%1\" may be read by others; it is not used until only its owner "
                           "can read it (chmod 600).")
                .arg(config.passwordFile));
    if (!file.open(QIODevice::ReadOnly))
        return DbResult<QString>::Failure(
            QStringLiteral("The password file \"%1\" cannot be read: %2").arg(config.passwordFile, file.errorString()));
    // The first line; its line end is no part of the password.
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

QString DescribeDatabase(const DatabaseConfig& config)
{
    if (!config.OnServer())
        return QStringLiteral("the SQLite file \"%1\"").arg(config.file);
    QString text = QStringLiteral("the database \"%1\" on %2:%3")
                       .arg(config.database, config.host.isEmpty() ? QStringLiteral("this PC") : config.host)
                       .arg(config.port);
    if (!config.user.isEmpty())
        text += QStringLiteral(" as %1").arg(config.user);
    return text;
}

} // namespace zevo
