#include "app/tfofirma.h"

#include "app/companyfile.h"
#include "app/programstate.h"
#include "dialogtest.h"
#include "lang/cp1252.h"
#include "lang/sprachen.h"

#include <QLineEdit>
#include <csignal>
#include <sys/resource.h>

namespace zevo {
namespace {

using namespace dialogtest;

class TfoFirmaTest : public ::testing::Test {
  protected:
    void SetUp() override { state.programFolder = dir.path(); }
    QString Path() const { return dir.filePath(QStringLiteral("Params.ini")); }
    // What the next start of the program finds in "Params.ini".
    QStringList NextRunLines(QString* error = nullptr) const
    {
        ProgramState next{};
        next.programFolder = dir.path();
        next.settings.Sprache = English;
        const QString loadError = LoadCompanyFile(next);
        if (error)
            *error = loadError;
        EXPECT_EQ(FromCp1252(next.report.LineA(62)), TextOf(140, English)); // the report was reset
        QStringList lines;
        for (int line = 0; line < CompanyLineCount; ++line)
            lines.append(FromCp1252(next.report.LineA(line)));
        return lines;
    }
    static QLineEdit& Edit(const TfoFirma& dialog, int line)
    {
        return Part<QLineEdit>(dialog, QStringLiteral("Edit%1").arg(line + 1).toLatin1().constData());
    }

    QTemporaryDir dir;
    ProgramState state{};
};

TEST_F(TfoFirmaTest, SavedAddressComesBackInTheNextRun)
{
    const QString longLine = QStringLiteral("Prüfstraße 1-3, Hinterhof, Eingang über den Parkplatz");
    QStringList typed{"Kfz-Prüfzentrum Süd", longLine,     "80331 München",        "",
                      "089 123456",          "089 123457", "info@pruefzentrum.de", "www.pruefzentrum.de"};
    TfoFirma dialog(state);
    dialog.show();
    for (int line = 0; line < CompanyLineCount; ++line)
        TypeText(&Edit(dialog, line), typed[line]);
    Click(dialog, "Button1");
    EXPECT_FALSE(dialog.isVisible());

    typed[1] = longLine.left(49); // stored in the windows code page, read back as typed
    EXPECT_EQ(NextRunLines(), typed);

    Edit(dialog, 0).clear(); // "Abbrechen" stores nothing; the next showing refills the edits
    Click(dialog, "Button2");
    dialog.show();
    EXPECT_EQ(Edit(dialog, 0).text(), typed[0]);
}

TEST_F(TfoFirmaTest, AFailedSaveKeepsTheOldFileAndTheWindowOpen)
{
    state.report.SetLineA(0, "Alte Firma");
    ASSERT_EQ(SaveCompanyFile(state), "");
    const QByteArray old = FileBytes(Path());
    TfoFirma dialog(state);
    dialog.show();
    Edit(dialog, 0).setText("Neue Firma");
    // Writes beyond a few bytes fail meanwhile, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the program
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limit{100, unlimited.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    Click(dialog, "Button1");
    setrlimit(RLIMIT_FSIZE, &unlimited);
    ASSERT_NE(ErrorBox(dialog), nullptr);
    EXPECT_TRUE(ErrorBox(dialog)->text().contains("Params.ini"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(FileBytes(Path()), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Params.ini"}); // no temporary file left

    Click(dialog, "Button1"); // the disk has room again
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(NextRunLines().first(), "Neue Firma");
}

// Files of every size: which address the next run gets, and whether it is told of damage.
TEST_F(TfoFirmaTest, LoadingTakesTheAddressOfWholeAndOfDamagedFiles)
{
    state.report = EmptyReportRecord();
    state.report.SetLineA(0, "Werkstatt Kaiser");
    state.report.SetLineA(7, "www.kaiser.de");
    const QByteArray image = ReportRecordBytes(state.report) + QByteArray(5, 'x');
    struct Case {
        qsizetype size; // of the file, -1 for none
        bool addressTaken, reported;
    };
    for (const Case& c : {Case{-1, false, false},
                          {ReportRecordSize, true, false},
                          {ReportRecordSize + 5, true, true},
                          {408, true, true},
                          {407, false, true}}) {
        SCOPED_TRACE(c.size);
        QFile::remove(Path());
        if (c.size >= 0)
            WriteFile(Path(), image.left(c.size));
        QString error;
        const QStringList lines = NextRunLines(&error);
        EXPECT_EQ(error.isEmpty(), !c.reported);
        EXPECT_EQ(lines.first() + lines.last(), c.addressTaken ? "Werkstatt Kaiserwww.kaiser.de" : "");
    }
}

} // namespace
} // namespace zevo
