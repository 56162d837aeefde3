#pragma once
// A written PDF read back with poppler-utils, as a viewer sees it: the words
// pdftotext finds with their boxes, and pdfinfo's fields. Both programs are in
// the package list (poppler-utils).

#include <QProcess>
#include <QPointF>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <vector>

namespace zevo::testing {

struct PdfWord {
    QString text; // as pdftotext writes it: &, <, > and quotes escaped
    int page = 0; // from 1
    QPointF topLeft; // PDF points from the page's top-left corner
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
    static const QRegularExpression item(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" [^>]*>([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = 0;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page "))
            ++page;
        else
            words.push_back({m.captured(3), page, QPointF(m.captured(1).toDouble(), m.captured(2).toDouble())});
    }
    return words;
}

// The first word that is exactly `text`; nullptr if there is none.
inline const PdfWord* FindWord(const std::vector<PdfWord>& words, const QString& text)
{
    const auto found = std::find_if(words.begin(), words.end(), [&](const PdfWord& word) { return word.text == text; });
    return found == words.end() ? nullptr : &*found;
}

// One field of "pdfinfo", e.g. "Title" or "Page size"; empty when missing.
inline QString PdfInfoField(const QString& pdf, const QString& field)
{
    const QString info = RunPoppler(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    return {};
}

} // namespace zevo::testing
