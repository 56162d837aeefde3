#include "decode/linetext.h"

#include "lang/cp1252.h"
#include "lang/sprachen.h"

#include <array>
#include <cstring>

namespace zevo {

QByteArrayView Trimmed(QByteArrayView line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && static_cast<unsigned char>(line[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(line[end - 1]) <= ' ')
        --end;
    return line.sliced(begin, end - begin);
}

bool IsBlankLine(QByteArrayView line)
{
    return Trimmed(line).isEmpty();
}

QByteArrayView Columns(QByteArrayView line, int first, int last)
{
    if (first < 1)
        first = 1;
    if (last > line.size())
        last = int(line.size());
    if (first > last)
        return {};
    return line.sliced(first - 1, last - first + 1);
}

qsizetype Find(QByteArrayView line, QByteArrayView needle)
{
    if (needle.isEmpty())
        return 0;
    const qsizetype lastStart = line.size() - needle.size();
    for (qsizetype i = 0; i <= lastStart; ++i) {
        if (line[i] == needle[0] && std::memcmp(line.data() + i, needle.data(), needle.size()) == 0)
            return i;
    }
    return -1;
}

bool StartsWith(QByteArrayView line, QByteArrayView prefix)
{
    return line.size() >= prefix.size() && std::memcmp(line.data(), prefix.data(), prefix.size()) == 0;
}

void ToLowerCp1252(QByteArray& text)
{
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
            c = static_cast<char>(byte + 0x20);
        else if (byte == 0x8A || byte == 0x8C || byte == 0x8E)  // Š Œ Ž
            c = static_cast<char>(byte + 0x10);
        else if (byte == 0x9F)  // Ÿ
            c = static_cast<char>(0xFF);
    }
}

const QByteArray& ReportText(int id, int sprache)
{
    // Built once and never changed: every decode writes dozens of titles, and
    // converting each from the UTF-8 table again would dominate the decode time.
    using Table = std::array<std::array<QByteArray, TextCount>, LanguageCount>;
    static const Table table = [] {
        Table t;
        for (int language = 1; language <= LanguageCount; ++language) {
            for (int i = 0; i < TextCount; ++i)
                t[language - 1][i] = ToCp1252(TextOf(i, language));
        }
        return t;
    }();
    static const QByteArray none;
    if (id < 0 || id >= TextCount)
        return none;
    return table[LimitSprache(sprache) - 1][id];
}

}  // namespace zevo
