#pragma once
// A written PDF read back with poppler-utils, as a viewer sees it: the words
// pdftotext finds with their boxes, and pdfinfo's fields. Both programs are in
// the package list (poppler-utils).

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <vector>

namespace zevo::testing {

struct PdfWord {
    QString text;
    int page = 0; // from 1
    QRectF box;   // PDF points from the page's top-left corner
};

// Standard output of a poppler tool, or an empty text when it could not run.
inline QString RunPoppler(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every word of the PDF in reading order ("pdftotext -bbox").
inline std::vector<PdfWord> PdfWords(const QString& pdf)
{
    const QString html = RunPoppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression item(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = 0;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&apos;"), QLatin1String("'"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({text, page, QRectF(topLeft, bottomRight)});
    }
    return words;
}

// The occurrence-th word that is exactly `text`; nullptr if there is none.
inline const PdfWord* FindWord(const std::vector<PdfWord>& words, const QString& text, int occurrence = 0)
{
    for (const PdfWord& word : words) {
        if (word.text == text && occurrence-- == 0)
            return &word;
    }
    return nullptr;
}

// One field of "pdfinfo", e.g. "Title" or "Page size"; empty when missing.
inline QString PdfInfoField(const QString& pdf, const QString& field)
{
    const QString info = RunPoppler(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    }
    return {};
}

} // namespace zevo::testing
