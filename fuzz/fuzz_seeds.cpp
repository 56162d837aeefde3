// Writes the seed corpus of every fuzz target from the sample tests of
// samples/ and the golden files of tests/data/: where fuzzing starts, and
// what the regression run of ./check replays. Run by the build.
//   fuzz_seeds SOURCE_DIR OUTPUT_DIR

#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "fuzz/decoderinput.h"
#include "lang/einstellungen.h"
#include "reception/teststandframes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

using namespace zevo;

namespace {

struct SampleTest {
    QString name;
    QByteArray printData;
    QByteArray curveData;  // empty when the test has none
};

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every "NAME.txt" with its "NAME.curves.txt" when there is one.
QList<SampleTest> SampleTests(const QString& folder)
{
    QList<SampleTest> tests;
    const QDir dir(folder);
    for (const QString& file : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        if (file.endsWith(QLatin1String(".curves.txt")))
            continue;
        const QString name = QFileInfo(file).completeBaseName();
        tests.append({name, ReadFile(dir.filePath(file)), ReadFile(dir.filePath(name + QStringLiteral(".curves.txt")))});
    }
    return tests;
}

bool Write(const QString& folder, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

bool WriteTestSeeds(const QString& out, const SampleTest& test)
{
    bool ok = test.curveData.isEmpty() || Write(out + QStringLiteral("/curvedata"), test.name, test.curveData);
    // A damaged curve text cannot be sent, the print lines may still be; a
    // damaged print text (a line too long for a frame) gives no stream at all.
    TestStandStream stream = EncodeTestStandStream(test.printData, test.curveData);
    if (!stream.error.isEmpty())
        stream = EncodeTestStandStream(test.printData);
    if (stream.error.isEmpty())
        ok = ok && Write(out + QStringLiteral("/reception"), test.name, stream.bytes);

    // The settings of a workshop in each of the three limit sets.
    struct Variant {
        const char* suffix;
        LimitSet set;
        int sprache, vehicleType, plates, group;
    };
    static constexpr Variant variants[] = {
        {"-eu", LimitSet::Eu, 1, 1, 2, 1},
        {"-pl", LimitSet::Pl, 2, 6, 4, 2},
        {"-rus", LimitSet::Rus, 3, 4, 2, 1},
    };
    for (const Variant& v : variants)
        ok = ok && Write(out + QStringLiteral("/decoder"), test.name + QLatin1String(v.suffix),
                         fuzz::MakeDecoderInput(v.set, v.sprache, v.vehicleType, v.plates, v.group, test.printData,
                                                test.curveData));
    return ok;
}

bool WriteFileSeeds(const QString& out)
{
    bool ok = true;
    Einstellungen settings;
    settings.Field = {1, 1, 1, 1, 1, 1, 1, 2};
    ok = ok && Write(out + QStringLiteral("/settings"), QStringLiteral("defaults"), SettingsBytes(settings));
    settings.Field = {4, 2, 3, 8, 3, 6, 2, 4};
    ok = ok && Write(out + QStringLiteral("/settings"), QStringLiteral("last-choices"), SettingsBytes(settings));

    ReportRecord report = EmptyReportRecord();
    const char* address[] = {"Autohaus Muster GmbH", "Hauptstr. 1", "80331 M\xFCnchen", "Tel. 089 123456"};
    for (int i = 0; i < 4; ++i)
        report.SetLineA(i, address[i]);
    TestResult result;
    ResetReport(result, report, 1);
    const QByteArray bytes = ReportRecordBytes(report);
    ok = ok && Write(out + QStringLiteral("/companyfile"), QStringLiteral("address"), bytes);
    // A file cut after its address lines, as an interrupted copy leaves it.
    ok = ok && Write(out + QStringLiteral("/companyfile"), QStringLiteral("cut"), bytes.first(500));
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds SOURCE_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    bool ok = WriteFileSeeds(out);
    for (const QString& folder : {QStringLiteral("/samples"), QStringLiteral("/tests/data/decode")})
        for (const SampleTest& test : SampleTests(source + folder))
            ok = ok && WriteTestSeeds(out, test);
    // A noisy line before a test: status frame starts everywhere but never two
    // back to back, which once made reception search the noise again and
    // again on every tick.
    QByteArray noise;
    while (noise.size() < 8192)
        noise += QByteArray::fromRawData("\x02\x04\x02\x04\x02\x04\x02\x04\x02\x04\x00", 11);
    const SampleTest car = SampleTests(source + QStringLiteral("/samples")).value(0);
    ok = ok && Write(out + QStringLiteral("/reception"), QStringLiteral("noise"),
                     noise + EncodeTestStandStream(car.printData, car.curveData).bytes);
    return ok ? 0 : 1;
}
