#include "lang/cp1252.h"
#include "lang/sprachen.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

TEST(TextOf, BlanksAndAccentsAreKeptExactly)
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
        for (int sprache = 1; sprache <= 3; ++sprache)
            EXPECT_EQ(TextOf(c.id, sprache), QString::fromUtf8(c.texts[sprache - 1])) << c.id << "/" << sprache;
    }
}

TEST(TextOf, LanguageNumberIsClampedIntoOneToThree)
{
    EXPECT_EQ(TextOf(199, -5), QStringLiteral("Schließen"));
    EXPECT_EQ(TextOf(247, 7), QStringLiteral("francaise"));
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
