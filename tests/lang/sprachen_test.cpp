// The texts of the three languages and the code page they are printed in.

#include "lang/cp1252.h"
#include "lang/sprachen.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripAndTheHighBlockIsWindows)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
    EXPECT_EQ(FromCp1252("\x80\x8A\x9F\xA0\xB4\xBA\xDF\xE9\xFC"), QString::fromUtf8("€Š\u0178\u00A0´ºßéü"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("ę→x")), QByteArray("??x"));  // outside the code page
}

TEST(TextOf, BlanksAndAccentsAreKeptExactlyAndTheLanguageIsClamped)
{
    const struct {
        int id;
        const char* texts[3];  // German, English, French, UTF-8
    } cases[] = {
        {199, {"Schließen", "Exit", "Exit"}},
        {92, {" ", " ", " "}},
        {97, {"Kennzeichen  : ", "Reg. No.     : ", "NºPlaque imatr.: "}},
        {100, {"Kilometer    : ", "Mileage      : ", "Kilomètre.      : "}},
    };
    for (const auto& c : cases) {
        for (int sprache = 0; sprache <= 4; ++sprache)  // clamped into 1..3
            EXPECT_EQ(TextOf(c.id, sprache), QString::fromUtf8(c.texts[std::clamp(sprache, 1, 3) - 1]))
                << c.id << "/" << sprache;
    }
}

TEST(TextOf, EveryUsedIdHasATextThatFitsTheWindowsCodePage)
{
    // The report prints in Windows-1252, where a text that fails the round trip shows '?'. 198 is unused.
    for (int id = -1; id <= TextCount; ++id) {
        for (int language = 1; language <= LanguageCount; ++language) {
            const QString text = TextOf(id, language);
            EXPECT_EQ(text.isEmpty(), id < 0 || id == 198 || id == TextCount) << id << "/" << language;
            EXPECT_EQ(FromCp1252(ToCp1252(text)), text) << id << "/" << language;
        }
    }
}

}  // namespace
}  // namespace zevo
