// zevo-tool render: draws a report page of a stored test, decoded as zevo-tool
// decode decodes it, into a PDF file (the page the printer path prints) or a
// PNG image (the page as the preview shows it). The header lines come from the
// print data as reception takes them, the company lines from a company file,
// the employee lines from a database file; there is no customer.

#include "decode/decodecontext.h"
#include "decode/decoder.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "graphics/lcdfont.h"
#include "reception/testassembly.h"
#include "records/database.h"
#include "records/mitarbeitertable.h"
#include "report/headerlines.h"
#include "report/hprint.h"
#include "report/printjob.h"
#include "tools/commands.h"
#include "tools/decodeoptions.h"
#include "tools/toolsupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTextStream>
#include <array>

namespace zevo::tool {
namespace {

const char* const RenderOptionsUsage = "[--params PARAMS_INI] [--db FILE|CONF] [--date DD.MM.YYYY] [--time HH:MM:SS] "
                                       "--page numeric|bars|curves-1..4 [--dpi N] (--pdf OUT | --png OUT)";

// The pages render draws; another page is one more line.
struct PageChoice {
    const char* name;
    int kind;          // PageKind
    int curveMode = 1; // TfoHPrint::CurveMode of a curve page
};
const PageChoice Pages[] = {
    {"numeric", NumericPageKind},
    {"bars", BarPageKind},
    {"curves-1", CurvePageKind, 1},
    {"curves-2", CurvePageKind, 2},
    {"curves-3", CurvePageKind, 3},
    {"curves-4", CurvePageKind, 4},
};

constexpr int MinDpi = 72;
constexpr int MaxDpi = 2400;
constexpr int ScreenDotsPerMeter = 3780; // 96 px per inch

const PageChoice* FindPage(const QString& name)
{
    for (const PageChoice& page : Pages) {
        if (name == QLatin1String(page.name))
            return &page;
    }
    return nullptr;
}

QString PageNames()
{
    QStringList names;
    for (const PageChoice& page : Pages)
        names << QLatin1String(page.name);
    return names.join(QStringLiteral(", "));
}

void Tell(const QString& text)
{
    QTextStream(stderr) << "zevo-tool: " << text << Qt::endl;
}

// The company file "Params.ini": the whole 7,968-byte record.
QString LoadCompanyFile(const QString& path, ReportRecord& report)
{
    QString error;
    const std::optional<QByteArray> bytes = ReadWholeFile(path, &error);
    if (!bytes)
        return error;
    if (!ReportRecordFromBytes(*bytes, report))
        return QStringLiteral("\"%1\" holds %2 bytes, but a company file holds %3")
            .arg(path)
            .arg(bytes->size())
            .arg(ReportRecordSize);
    return {};
}

// The employee lines of a database file, opened read-only (the file is never
// changed, and a missing file is not created), or of the server a zevodb.conf
// names (read as they are, no tables created).
QString LoadEmployeeFile(const QString& path, std::array<QString, EmployeeLineCount>& lines)
{
    const DbResult<DatabaseConfig> config = DatabaseConfigFromArgument(path);
    if (!config.ok())
        return config.error();
    if (!config.value().OnServer() && !QFileInfo(path).isFile())
        return QStringLiteral("cannot read \"%1\": no such file").arg(path);
    const QString connection = QStringLiteral("zevo-tool-render");
    QString error;
    {
        DbResult<QSqlDatabase> added = AddDatabase(config.value(), connection);
        if (!added.ok())
            return added.error();
        QSqlDatabase db = added.value();
        if (!config.value().OnServer())
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            error = QStringLiteral("cannot open \"%1\": %2").arg(path, db.lastError().text());
        } else {
            const DbResult<QStringList> read = ReadEmployeeLines(db, EmployeeLineCount);
            if (read.ok()) {
                for (qsizetype i = 0; i < read.value().size(); ++i)
                    lines[size_t(i)] = read.value()[i];
            } else {
                error = QStringLiteral("\"%1\": %2").arg(path, read.error());
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return error.simplified();
}

// The preview of the page on a white image of the preview's size.
QImage DrawPreview(TfoHPrint& renderer, const PrinterPage& page, int pageKind, int pages)
{
    QImage image(TfoHPrint::PreviewSize(page, pages), QImage::Format_RGB32);
    image.setDotsPerMeterX(ScreenDotsPerMeter);
    image.setDotsPerMeterY(ScreenDotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        renderer.RenderPage(painter, page, true, 0, pageKind);
    }
    return image;
}

// The page as the preview shows it, for the A4 page of the PDF at `dpi`. A
// report longer than a sheet is drawn again on an image for all its sheets.
QString WritePng(TfoHPrint& renderer, int pageKind, int dpi, const QString& path)
{
    const PrinterPage page = PdfPrinterPage(dpi);
    QImage image = DrawPreview(renderer, page, pageKind, 1);
    if (renderer.Pages > 1)
        image = DrawPreview(renderer, page, pageKind, renderer.Pages);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
    return {};
}

} // namespace

int RunRender(const QStringList& args)
{
    const QString usage = QStringLiteral("usage: zevo-tool render %1 %2")
                              .arg(QLatin1String(DecodeUsage), QLatin1String(RenderOptionsUsage));
    QString error;
    const std::optional<Arguments> parsed = ParseArguments(
        args,
        DecodeOptionNames() + QStringList{"--params", "--db", "--date", "--time", "--page", "--dpi", "--pdf", "--png"},
        &error);
    if (!parsed)
        return Fail(error);
    const auto& options = parsed->options;
    if (parsed->positional.size() != 1 || !options.contains("--page") ||
        options.contains("--pdf") == options.contains("--png"))
        return Fail(usage);

    const PageChoice* page = FindPage(options.value("--page"));
    if (!page)
        return Fail(QStringLiteral("--page takes %1").arg(PageNames()));
    bool dpiOk = true;
    const int dpi = options.contains("--dpi") ? options.value("--dpi").toInt(&dpiOk) : DefaultPdfDpi;
    if (!dpiOk || dpi < MinDpi || dpi > MaxDpi)
        return Fail(QStringLiteral("--dpi takes a whole number from %1 to %2").arg(MinDpi).arg(MaxDpi));
    QDateTime when = QDateTime::currentDateTime();
    if (options.contains("--date")) {
        const QDate date = QDate::fromString(options.value("--date"), QStringLiteral("dd.MM.yyyy"));
        if (!date.isValid())
            return Fail(QStringLiteral("--date takes a date DD.MM.YYYY"));
        when.setDate(date);
    }
    if (options.contains("--time")) {
        const QTime time = QTime::fromString(options.value("--time"), QStringLiteral("HH:mm:ss"));
        if (!time.isValid())
            return Fail(QStringLiteral("--time takes a time HH:MM:SS"));
        when.setTime(time);
    }

    std::optional<DecodeInput> input = ReadDecodeInput(*parsed, usage, &error);
    if (!input)
        return Fail(error);

    // The company lines first: the decode resets the test's lines only.
    ReportRecord report = EmptyReportRecord();
    if (options.contains("--params")) {
        if (QString failed = LoadCompanyFile(options.value("--params"), report); !failed.isEmpty())
            return Fail(failed);
    }
    std::array<QString, EmployeeLineCount> employeeLines;
    if (options.contains("--db")) {
        if (QString failed = LoadEmployeeFile(options.value("--db"), employeeLines); !failed.isEmpty())
            return Fail(failed);
    }

    TestResult result;
    CurveData curves;
    DecodeContext context(input->settings, input->limitSet, result, report, curves);
    const DecodeOutcome decoded = ShowTestDecode(input->printData, input->curveData, context);
    for (const QString& problem : decoded.problems)
        Tell(problem);

    // The decode begins by clearing the header lines and never writes them
    // again; they are filled as the window fills them for a test without a
    // vehicle row, from the fields reception stores for this print data.
    const MessungRow stored = RowFieldsOfPrintData(input->printData, when.date().year());
    ReportHeader header;
    header.HasTest = true;
    header.AuftragsNr = stored.AuftragsNr;
    header.Uhrzeit = when.time();
    header.Datum = when.date();
    header.Km = MileageText(stored.Km);
    header.HU = stored.HU.trimmed();
    header.AU = stored.AU.trimmed();
    header.Kennzeichen = stored.Kennzeichen;
    FillHeaderLines(report, input->settings.Sprache, header);

    const double gravityFactor = context.gravityFactor;
    bool smoothCurves = true;  // as the print commands draw them: smoothed once
    TfoHPrint renderer(ReportSources{report, result, curves, input->settings, input->limitSet, gravityFactor,
                                     employeeLines, smoothCurves},
                       QCoreApplication::applicationDirPath());
    renderer.reportProblem = Tell;
    if (const QString font = SubstituteLiquidCrystal(); !font.isEmpty())
        Tell(font);
    renderer.CurveMode = page->curveMode;

    if (options.contains("--pdf")) {
        const PrintOutcome written =
            WritePdfPage(renderer, page->kind, dpi, options.value("--pdf"), PrintJobTitle(stored.Kennzeichen));
        if (!written.ok)
            return Fail(written.error);
    } else if (QString failed = WritePng(renderer, page->kind, dpi, options.value("--png")); !failed.isEmpty()) {
        return Fail(failed);
    }
    return 0;
}

} // namespace zevo::tool
