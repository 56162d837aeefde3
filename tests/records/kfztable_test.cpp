#include "records/kfztable.h"
#include "recordsfixture.h"

namespace zevo {
namespace {

using KfzTest = BothDatabasesTest;
ZEVO_ON_BOTH_DATABASES(KfzTest);

TEST_P(KfzTest, StoredVehicleReadsBackDuplicateIsRefusedAndUpdateMayRename)
{
    const KfzRow full{
        "AB-C 123", "VW",     "Golf", "WVWZZZ1KZ6W000001", 123456,  "05.2026",     "03.2026",   "4x Win",
        "06.2027",  "Müller", "Hans", "Hauptstraße 1",     "12345", "Musterstadt", "0123 4567", "hans@example.org"};
    ASSERT_EQ(InsertKfz(db, full), "");
    ASSERT_EQ(InsertKfz(db, Kfz("AB-C 12")), "");
    ASSERT_EQ(InsertKfz(db, Kfz(QString(25, 'K'))), "");
    EXPECT_NE(InsertKfz(db, Kfz("AB-C 123")), ""); // the key exists: refused, the row stays
    EXPECT_NE(InsertKfz(db, Kfz("")), "");

    EXPECT_EQ(FindKfz(db, "AB-C 123").value(), full);
    EXPECT_EQ(LookupKfz(db, "  AB-C 123 ").value(), full);
    EXPECT_FALSE(FindKfz(db, "  AB-C 123 ").value().has_value());
    EXPECT_FALSE(FindKfz(db, "ab-c 123").value().has_value());
    EXPECT_FALSE(FindKfz(db, "AB-C 12").value()->Km.has_value());
    EXPECT_TRUE(FindKfz(db, QString(20, 'K')).value().has_value()); // cut to the field size

    // An update overwrites every field and may rename, but not onto another vehicle.
    KfzRow changed = Kfz("AB\"C' 124");
    changed.Km = 5000;
    changed.Name = "Huber";
    EXPECT_TRUE(UpdateKfz(db, "AB-C 123", changed).value());
    EXPECT_FALSE(FindKfz(db, "AB-C 123").value().has_value());
    EXPECT_EQ(FindKfz(db, changed.Kennzeichen).value(), changed);
    EXPECT_FALSE(UpdateKfz(db, "AB-C 123", changed).value());
    EXPECT_FALSE(UpdateKfz(db, changed.Kennzeichen, Kfz("AB-C 12")).ok());
    EXPECT_EQ(FindKfz(db, changed.Kennzeichen).value(), changed);
}

TEST_P(KfzTest, NearestRegistrationIgnoresCaseAndStopsAtTheLast)
{
    EXPECT_FALSE(NearestKfz(db, "B").value().has_value());
    for (const char* kennzeichen : {"M-ZZ 9", "B-AB 1", "HH-X 5", "b-aa 2", "AB-C 1"})
        ASSERT_EQ(InsertKfz(db, Kfz(kennzeichen)), "");
    // The rows count in the grid's order (tests/app: the grid goes to the row found).

    const struct {
        const char* typed;
        const char* found;
        int row;
    } cases[] = {
        {"", "AB-C 1", 0},       {"b", "b-aa 2", 1},      {"B-AB", "B-AB 1", 2}, {"C", "HH-X 5", 3},
        {"hh-x 5", "HH-X 5", 3}, {"m-zz 9", "M-ZZ 9", 4}, {"Z", "M-ZZ 9", 4},
    };
    for (const auto& c : cases) {
        const std::optional<KfzPosition> position = NearestKfz(db, c.typed).value();
        ASSERT_TRUE(position.has_value()) << c.typed;
        EXPECT_EQ(position->Kennzeichen, c.found) << c.typed;
        EXPECT_EQ(position->Row, c.row) << c.typed;
    }
}

} // namespace
} // namespace zevo
