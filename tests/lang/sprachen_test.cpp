#include "lang/cp1252.h"
#include "lang/sprachen.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

struct TextCase {
    int id;
    int sprache;
    const char* expected;  // UTF-8
};

class TextOfTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextOfTest, GivesTheTextOfItsLanguageExactly)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(TextOf(c.id, c.sprache), QString::fromUtf8(c.expected));
}

// Texts whose blanks, accents or position are easy to get wrong.
INSTANTIATE_TEST_SUITE_P(Table, TextOfTest,
    ::testing::Values(
        TextCase{199, 1, "Schließen"}, TextCase{199, 2, "Exit"}, TextCase{199, 3, "Exit"},
        TextCase{92, 1, " "}, TextCase{92, 2, " "}, TextCase{92, 3, " "},
        TextCase{97, 1, "Kennzeichen  : "}, TextCase{97, 2, "Reg. No.     : "}, TextCase{97, 3, "NºPlaque imatr.: "},
        TextCase{14, 2, "Customer/Car data´s"}, TextCase{240, 3, "Force d´accumulation "},
        TextCase{103, 1, "Ölw/Insp. : "}, TextCase{100, 3, "Kilomètre.      : "},
        TextCase{243, 2, "Accept     "}, TextCase{191, 3, "Code Postal Adresse "},
        TextCase{0, 1, "&Datei"}, TextCase{81, 1, "Unbearbeitete Tests löschen"}, TextCase{86, 1, "Übernehmen"},
        TextCase{245, 1, "deutsch"}, TextCase{246, 2, "English"}, TextCase{247, 1, "französisch"},
        TextCase{247, 3, "francaise"}, TextCase{232, 3, "Décél. Fr. à m. >0,16"}));

TEST(TextOf, UnlistedAndOutOfRangeIdsGiveEmptyText)
{
    for (int id : {-1, 198, 248, 1000})
        EXPECT_TRUE(TextOf(id, 1).isEmpty()) << id;
}

TEST(TextOf, LanguageNumberIsClampedIntoOneToThree)
{
    EXPECT_EQ(TextOf(199, 0), QStringLiteral("Schließen"));
    EXPECT_EQ(TextOf(199, -5), QStringLiteral("Schließen"));
    EXPECT_EQ(TextOf(247, 7), QStringLiteral("francaise"));
    EXPECT_EQ(LimitSprache(0), 1);
    EXPECT_EQ(LimitSprache(9), 3);
    EXPECT_EQ(LimitSprache(2), 2);
}

TEST(Texte, EveryTextFitsTheWindowsCodePage)
{
    // The report is printed in Windows-1252: a text that does not survive
    // the round trip would print as '?'.
    for (int id = 0; id < TextCount; ++id) {
        for (int language = 1; language <= LanguageCount; ++language) {
            const QString text = TextOf(id, language);
            EXPECT_EQ(FromCp1252(ToCp1252(text)), text) << id << "/" << language;
        }
    }
}

TEST(Texte, OnlyTheUnusedIdHasNoText)
{
    for (int id = 0; id < TextCount; ++id) {
        if (id == 198)
            continue;
        for (int language = 1; language <= LanguageCount; ++language)
            EXPECT_FALSE(TextOf(id, language).isEmpty()) << id << "/" << language;
    }
}

}  // namespace
}  // namespace zevo
