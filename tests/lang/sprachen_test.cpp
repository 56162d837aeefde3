#include "lang/cp1252.h"
#include "lang/sprachen.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

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
