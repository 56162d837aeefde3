// zevo-tool copy-db FROM TO [--resume]: moves a workshop's archive to another
// database, typically a lane's old SQLite file to the workshop's new server
// (or back): every test, vehicle and employee line with its key, every value
// as it is (records/databasecopy.h). FROM and TO are SQLite files or ".conf"
// descriptions (records/databaseconfig.h). The counts go to standard output,
// progress of a long copy to standard error.

#include "records/database.h"
#include "records/databasecopy.h"
#include "tools/commands.h"
#include "tools/toolsupport.h"

#include <QFileInfo>
#include <QTextStream>

namespace zevo::tool {

namespace {

constexpr qint64 ProgressEveryRows = 10'000;
const QString FromConnection = QStringLiteral("copy-db-from");
const QString ToConnection = QStringLiteral("copy-db-to");

// A database error may span lines (a server adds the statement's line).
QString OneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

int Copy(const DatabaseConfig& fromConfig, const DatabaseConfig& toConfig, const DatabaseCopyOptions& options)
{
    const DbResult<QSqlDatabase> from = OpenDatabase(fromConfig, FromConnection);
    if (!from.ok())
        return Fail(OneLine(from.error()));
    const DbResult<QSqlDatabase> to = OpenDatabase(toConfig, ToConnection);
    if (!to.ok())
        return Fail(OneLine(to.error()));

    QTextStream err(stderr);
    const auto progress = [&err, table = QString(), printed = qint64(0)](const TableCopyCount& count) mutable {
        const qint64 done = count.copied + count.alreadyThere;
        if (count.table != table)
            table = count.table, printed = 0;
        if (done / ProgressEveryRows == printed / ProgressEveryRows)
            return;
        printed = done;
        err << count.table << ": " << done << " of " << count.sourceRows << " rows done" << Qt::endl;
    };
    const DbResult<QList<TableCopyCount>> counts = CopyDatabase(from.value(), to.value(), options, progress);
    if (!counts.ok())
        return Fail(OneLine(counts.error()));
    QTextStream out(stdout);
    for (const TableCopyCount& count : counts.value())
        out << count.table << ": " << count.copied << " copied, " << count.alreadyThere << " already there\n";
    return 0;
}

} // namespace

int RunCopyDb(const QStringList& args)
{
    QString error;
    const auto parsed = ParseArguments(args, {}, &error, {QStringLiteral("--resume")});
    if (!parsed)
        return Fail(error);
    if (parsed->positional.size() != 2)
        return Fail(QStringLiteral("usage: zevo-tool copy-db FROM TO [--resume]"));
    const DbResult<DatabaseConfig> from = DatabaseConfigFromArgument(parsed->positional[0]);
    if (!from.ok())
        return Fail(from.error());
    const DbResult<DatabaseConfig> to = DatabaseConfigFromArgument(parsed->positional[1]);
    if (!to.ok())
        return Fail(to.error());
    // Opening an SQLite file creates it: a mistyped FROM must not leave an
    // empty database behind (and copy nothing without a word).
    if (!from.value().OnServer() && !QFileInfo(from.value().file).isFile())
        return Fail(QStringLiteral("nothing to copy from: %1 does not exist").arg(DescribeDatabase(from.value())));

    DatabaseCopyOptions options;
    options.resume = parsed->flags.contains(QStringLiteral("--resume"));
    const int status = Copy(from.value(), to.value(), options);
    CloseDatabase(FromConnection);
    CloseDatabase(ToConnection);
    return status;
}

} // namespace zevo::tool
