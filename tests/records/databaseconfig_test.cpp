#include "records/database.h"
#include "recordsfixture.h"

#include <QFile>

namespace zevo {
namespace {

class DatabaseConfigTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::EnsureCoreApplication(); }

    QString Write(const QString& name, const QByteArray& text,
                  QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        file.setPermissions(permissions);
        return file.fileName();
    }

    QTemporaryDir dir;
};

TEST_F(DatabaseConfigTest, ADescriptionNamesTheServerAndAMistakeIsAnErrorNotTheLocalFile)
{
    const DbResult<DatabaseConfig> none = ReadDatabaseConfig(dir.filePath("zevodb.conf"));
    ASSERT_TRUE(none.ok());
    EXPECT_FALSE(none.value().OnServer());
    EXPECT_EQ(none.value().file, "zevodb.sqlite");

    const DbResult<DatabaseConfig> server = ReadDatabaseConfig(
        Write("zevodb.conf", "# office PC\n driver = PostgreSQL \r\nhost=office-pc\nport = 5433\ndatabase = zevo\n"
                             "user = lane1\npassword-file = lane1.password\n"));
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    const DatabaseConfig& c = server.value();
    EXPECT_TRUE(c.OnServer());
    EXPECT_EQ(QStringList({c.host, QString::number(c.port), c.database, c.user, c.passwordFile}),
              QStringList({"office-pc", "5433", "zevo", "lane1", dir.filePath("lane1.password")}));
    EXPECT_EQ(DatabaseConfigFromArgument(dir.filePath("zevodb.conf")).value().database, "zevo");
    EXPECT_EQ(DatabaseConfigFromArgument("old.sqlite").value().file, "old.sqlite");

    const struct {
        const char* text;
        const char* error;
    } refused[] = {
        {"driver = mysql\n", "unknown driver"},
        {"driver = postgresql\ndatabse = zevo\n", "unknown key \"databse\""},
        {"driver = postgresql\ndatabase = zevo\nport = 5432x\n", "no port number"},
        {"driver = postgresql\ndatabase = zevo\nport = 70000\n", "no port number"},
        {"driver = postgresql\n", "names no database"},
        {"driver = postgresql\ndatabase = a\ndatabase = b\n", "given twice"},
        {"driver = postgresql\nhost office-pc\n", "no \"key = value\" line"},
    };
    for (const auto& r : refused) {
        const DbResult<DatabaseConfig> read = ReadDatabaseConfig(Write("bad.conf", r.text));
        EXPECT_FALSE(read.ok()) << r.text;
        EXPECT_TRUE(read.error().contains(r.error)) << read.error().toStdString();
    }
    EXPECT_FALSE(DatabaseConfigFromArgument(dir.filePath("missing.conf")).ok());
}

TEST_F(DatabaseConfigTest, APasswordFileOthersMayReadIsRefused)
{
    DatabaseConfig config;
    config.driver = DatabaseConfig::Driver::PostgreSQL;
    config.passwordFile = Write("own.password", "s3cr et\r\nsecond line\n");
    EXPECT_EQ(ReadPassword(config).value(), "s3cr et");
    config.passwordFile =
        Write("shared.password", "s3cret\n", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    EXPECT_TRUE(ReadPassword(config).error().contains("chmod 600")) << ReadPassword(config).error().toStdString();
    EXPECT_FALSE(AddDatabase(config, "refused").ok());
    EXPECT_FALSE(QSqlDatabase::contains("refused"));
}

// No server listens there: opening fails with a text, while an added
// connection stays, closed, to be opened when the server is back.
TEST_F(DatabaseConfigTest, AServerThatCannotBeReachedGivesATextAndAConnectionToTryAgain)
{
    DatabaseConfig config;
    config.driver = DatabaseConfig::Driver::PostgreSQL;
    config.host = "127.0.0.1";
    config.port = 1; // nothing listens on port 1
    config.database = "zevodb";
    const DbResult<QSqlDatabase> opened = OpenDatabase(config, "away");
    EXPECT_FALSE(opened.ok());
    EXPECT_TRUE(opened.error().contains("cannot be opened")) << opened.error().toStdString();
    EXPECT_FALSE(QSqlDatabase::contains("away"));

    {
        const DbResult<QSqlDatabase> added = AddDatabase(config, "away");
        ASSERT_TRUE(added.ok());
        EXPECT_FALSE(ConnectDatabase(added.value()).isEmpty());
        EXPECT_FALSE(added.value().isOpen());
        EXPECT_FALSE(DatabaseAnswers(added.value()));
    }
    CloseDatabase("away");
}

} // namespace
} // namespace zevo
