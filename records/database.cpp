#include "records/database.h"

#include "records/fieldtext.h"
#include "records/transaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <vector>

namespace zevo {

namespace {

// Statements that bring a database from version - 1 to version. A later
// change of the tables adds an entry; stored files then migrate on opening.
struct SchemaStep {
    int version;
    QStringList statements;
};

const std::vector<SchemaStep>& SchemaSteps()
{
    // Text fields default to '' so a row stored by any path reads the same.
    // Dates are CHAR so SQLite keeps them as the ISO text they are written as.
    static const std::vector<SchemaStep> steps = {
        {1,
         {
             QStringLiteral("CREATE TABLE Messungen ("
                            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
                            " Kennzeichen VARCHAR(20) DEFAULT '',"
                            " Datum CHAR(10),"
                            " Uhrzeit CHAR(8),"
                            " AuftragsNr VARCHAR(20) DEFAULT '',"
                            " Km REAL,"
                            " HU VARCHAR(7) DEFAULT '',"
                            " Bearbeitet CHAR(1) NOT NULL DEFAULT 'n',"
                            " AU VARCHAR(7) DEFAULT '',"
                            " Druckdaten BLOB,"
                            " Grafikdaten BLOB)"),
             // The current-tests list and its newest entry: untouched tests by Id.
             QStringLiteral("CREATE INDEX Messungen_Bearbeitet_Id ON Messungen (Bearbeitet, Id)"),
             // The archive join and search go from a registration to its tests.
             QStringLiteral("CREATE INDEX Messungen_Kennzeichen ON Messungen (Kennzeichen, Bearbeitet)"),
             QStringLiteral("CREATE TABLE Kfz ("
                            " Kennzeichen VARCHAR(20) NOT NULL PRIMARY KEY,"
                            " Fabrikat VARCHAR(40) DEFAULT '',"
                            " Modell VARCHAR(40) DEFAULT '',"
                            " F_id VARCHAR(40) DEFAULT '',"
                            " Km INTEGER,"
                            " AU VARCHAR(7) DEFAULT '',"
                            " Inspektion VARCHAR(7) DEFAULT '',"
                            " Reifen VARCHAR(7) DEFAULT '',"
                            " TueV VARCHAR(7) DEFAULT '',"
                            " Name VARCHAR(40) DEFAULT '',"
                            " Vorname VARCHAR(40) DEFAULT '',"
                            " Strasse VARCHAR(40) DEFAULT '',"
                            " Plz VARCHAR(15) DEFAULT '',"
                            " Ort VARCHAR(40) DEFAULT '',"
                            " Telefon VARCHAR(40) DEFAULT '',"
                            " EMail VARCHAR(40) DEFAULT '')"),
             // The search dialog lists and searches registrations regardless of case.
             QStringLiteral("CREATE INDEX Kfz_Kennzeichen_NoCase ON Kfz (Kennzeichen COLLATE NOCASE)"),
             // Id keeps the lines in the order they were entered.
             QStringLiteral("CREATE TABLE Mitarbeiter ("
                            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
                            " Text VARCHAR(81) DEFAULT '')"),
         }},
    };
    return steps;
}

// Indexes for a workshop's years of tests: the clean-up finds the old
// untouched tests among a million, the archive list counts and passes over
// archived tests with their registrations without reading a test. They
// change no table, so they carry no schema version: a file of any version
// gets them on its next opening (once; later openings find them), and an
// older program still opens the file.
const QStringList& SpeedIndexes()
{
    static const QStringList indexes = {
        QStringLiteral("CREATE INDEX IF NOT EXISTS Messungen_Bearbeitet_Datum ON Messungen (Bearbeitet, Datum)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS Messungen_Bearbeitet_Id_Kennzeichen"
                       " ON Messungen (Bearbeitet, Id, Kennzeichen)"),
    };
    return indexes;
}

QString Exec(QSqlQuery& query, const QString& statement)
{
    if (!query.exec(statement))
        return ErrorText(QStringLiteral("The database statement \"%1\" failed").arg(statement), query.lastError());
    return {};
}

QString ReadUserVersion(const QSqlDatabase& db, int& version)
{
    QSqlQuery query(db);
    if (QString error = Exec(query, QStringLiteral("PRAGMA user_version")); !error.isEmpty())
        return error;
    if (!query.next())
        return QStringLiteral("The database file gives no schema version.");
    version = query.value(0).toInt();
    return {};
}

QString MigrateSchema(const QSqlDatabase& db, int from)
{
    Transaction transaction(db);
    if (QString error = transaction.Begin(); !error.isEmpty())
        return error;
    QSqlQuery query(db);
    for (const SchemaStep& step : SchemaSteps()) {
        if (step.version <= from)
            continue;
        for (const QString& statement : step.statements)
            if (QString error = Exec(query, statement); !error.isEmpty())
                return error;
        // The version is part of the file's header and changes with the transaction.
        if (QString error = Exec(query, QStringLiteral("PRAGMA user_version = %1").arg(step.version)); !error.isEmpty())
            return error;
    }
    query.finish();
    return transaction.Commit();
}

QString PrepareDatabase(const QSqlDatabase& db)
{
    // Reading the version is the first access to the file, so it also tells
    // a file that is no SQLite database.
    int version = 0;
    if (QString error = ReadUserVersion(db, version); !error.isEmpty())
        return error;
    if (version > SchemaVersion)
        return QStringLiteral("The database \"%1\" has schema version %2, newer than this program's %3; it is left "
                              "untouched.")
            .arg(db.databaseName())
            .arg(version)
            .arg(SchemaVersion);

    // A write-ahead log makes storing a test one sequential append and one
    // sync; FULL keeps every stored test across a power failure.
    QSqlQuery query(db);
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"})
        if (QString error = Exec(query, QString::fromLatin1(pragma)); !error.isEmpty())
            return error;
    query.finish();

    if (version < SchemaVersion) {
        if (QString error = MigrateSchema(db, version); !error.isEmpty())
            return error;
    }
    for (const QString& index : SpeedIndexes())
        if (QString error = Exec(query, index); !error.isEmpty())
            return error;
    return {};
}

} // namespace

DbResult<QSqlDatabase> OpenDatabase(const QString& path, const QString& connectionName)
{
    if (QSqlDatabase::contains(connectionName)) {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        if (db.isOpen() && db.databaseName() == path)
            return db;
        return DbResult<QSqlDatabase>::Failure(
            QStringLiteral("The database connection \"%1\" is already in use for \"%2\".")
                .arg(connectionName, db.databaseName()));
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return DbResult<QSqlDatabase>::Failure(QStringLiteral("The SQLite driver of Qt is not installed."));

    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            error = ErrorText(QStringLiteral("The database \"%1\" cannot be opened").arg(path), db.lastError());
        else
            error = PrepareDatabase(db);
        if (error.isEmpty())
            return db;
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return DbResult<QSqlDatabase>::Failure(error);
}

void CloseDatabase(const QString& connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

} // namespace zevo
