#include "decode/companyfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstring>

namespace zevo {

namespace {

constexpr qsizetype CompanyBytes = CompanyLineCount * (ReportLineLength + 1); // 408

} // namespace

QString ReadCompanyFile(const QString& path, ReportRecord& report)
{
    QFile file(path);
    if (!file.exists())
        return {};
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(ReportRecordSize + 1); // one byte more tells a long file
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("The company file \"%1\" cannot be read (%2); the company address stays empty.")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    if (ReportRecordFromBytes(bytes, report))
        return {};
    // Only the address carries over between runs, so a damaged file still
    // gives it when its lines are complete.
    const bool addressWhole = bytes.size() >= CompanyBytes;
    if (addressWhole)
        for (int line = 0; line < CompanyLineCount; ++line) {
            const char* start = bytes.constData() + line * (ReportLineLength + 1);
            const void* end = std::memchr(start, '\0', ReportLineLength + 1);
            report.SetLineA(line,
                            QByteArrayView(start, end ? static_cast<const char*>(end) - start : ReportLineLength));
        }
    return QStringLiteral("The company file \"%1\" is %2 bytes long instead of %3; %4")
        .arg(QDir::toNativeSeparators(path))
        .arg(bytes.size())
        .arg(ReportRecordSize)
        .arg(addressWhole ? QStringLiteral("only the company address was taken from it.")
                          : QStringLiteral("the company address stays empty."));
}

QString WriteCompanyFile(const QString& path, const ReportRecord& report)
{
    QSaveFile file(path);
    const QByteArray bytes = ReportRecordBytes(report);
    // flush() before commit(): on a full disk the first bytes may go out and
    // the rest fail, which only flush() reports; commit() would then put a
    // cut file in place of the old one.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return QStringLiteral("The company file \"%1\" cannot be written: %2")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

} // namespace zevo
