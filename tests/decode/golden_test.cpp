// The decoder. Golden files: print-data and curve texts as reception stores them,
// decoded as showing a test does, against the JSON checked by hand in tests/data/decode/.
// After a deliberate change of the decoder, rewrite an expected file with
// zevo-tool decode and the case's options, and check every difference by hand.

#include "decode/decoder.h"
#include "decode/resultjson.h"

#include "decodefixture.h"
#include "tests/support/testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace zevo::test {
namespace {

struct GoldenCase {
    const char* name;       // expected result: <name>.json
    const char* printData;  // print-data file
    const char* curveData;  // curve-data file, "" for none
    LimitSet limitSet;
    int sprache;
    int vehicleType;  // the setting before the decode
    int registrationGroup;
    int plates;
};

QByteArray ReadData(const QString& file)
{
    return zevo::testing::FileBytes(zevo::testing::DataPath("decode/" + file));
}

class GoldenTest : public DecodeTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenTest, DecodesToTheCheckedResult)
{
    const GoldenCase& c = GetParam();
    settings.Sprache = c.sprache;
    settings.einstellungen.Field[VehicleTypeField] = c.vehicleType;
    settings.einstellungen.Field[RegistrationGroup] = c.registrationGroup;
    settings.einstellungen.Field[Plates] = c.plates;
    UseLimitSet(c.limitSet);

    const QByteArray printData = ReadData(QLatin1String(c.printData));
    const QByteArray curveData = *c.curveData ? ReadData(QLatin1String(c.curveData)) : QByteArray();
    ASSERT_TRUE(printData.endsWith("\r\n")) << "print data is stored with CR LF lines";
    const DecodeOutcome outcome = ShowTestDecode(printData, curveData, context);
    const QJsonObject actual = ResultJson(context, outcome.problems);

    QJsonParseError error;
    const QJsonObject wanted = QJsonDocument::fromJson(ReadData(QLatin1String(c.name) + ".json"), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();

    // Key by key, so that a failure names what changed.
    const auto compact = [](const QJsonValue& value) {
        return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
    };
    for (auto it = wanted.begin(); it != wanted.end(); ++it)
        EXPECT_EQ(compact(actual.value(it.key())), compact(it.value())) << it.key().toStdString();
    for (auto it = actual.begin(); it != actual.end(); ++it)
        EXPECT_TRUE(wanted.contains(it.key())) << "new key " << it.key().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Golden, GoldenTest,
    ::testing::Values(GoldenCase{"car", "car.txt", "car.curves.txt", LimitSet::Eu, 1, 1, 1, 2},
                      GoldenCase{"car-pl-en-4plates", "car.txt", "car.curves.txt", LimitSet::Pl, 2, 1, 2, 4},
                      GoldenCase{"motorcycle", "motorcycle.txt", "", LimitSet::Eu, 1, 1, 1, 2},
                      GoldenCase{"motorcycle-pl", "motorcycle.txt", "", LimitSet::Pl, 1, 1, 1, 2},
                      GoldenCase{"trailer", "trailer.txt", "trailer.curves.txt", LimitSet::Eu, 2, 1, 1, 4},
                      GoldenCase{"nobrakes", "nobrakes.txt", "", LimitSet::Rus, 3, 2, 1, 2},
                      GoldenCase{"damaged", "damaged.txt", "damaged.curves.txt", LimitSet::Eu, 1, 3, 1, 2}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// The two decode drivers: what each leaves out. Whole tests, the curve step, the
// employee number and the problems each step reports ("damaged") are the golden files'.
TEST_F(DecodeTest, RedecodingLeavesTheVehicleTypeAndTheResetTitlesAlone)
{
    const QByteArray motorcycle = PrintText({"KM:    12345", "   MOTORCYCLE", "  GESAMTGEWICHT", "     200 KG", "",
                                             "$00", "LINKS  PED", "1000 120035  900", "", "$31", "  2", "END"});
    ShowTestDecode(motorcycle, {}, context);
    result.HasFrontAxle = false;
    settings.einstellungen.Field[VehicleTypeField] = 6;  // changed in the settings dialog
    settings.Sprache = 2;
    DecodePrintData(motorcycle, {}, context);
    EXPECT_EQ(result.VehicleType, 6);
    EXPECT_TRUE(result.IsMotorcycle);     // only the vehicle-type step sets it
    EXPECT_EQ(LineA(62), "Testwerte");    // written by the reset only
    EXPECT_EQ(LineA(60), "ABS Circuit");  // written by the ABS step
    EXPECT_TRUE(result.HasFrontAxle);
    result.HasParkingBrake = true;
    DecodeShownTest(motorcycle, {}, context);
    EXPECT_FALSE(result.HasParkingBrake);  // showing a test clears the brake flags first
    EXPECT_TRUE(ShowTestDecode(QByteArray(), {}, context).problems.isEmpty()); // no print data is no problem
}

}  // namespace
}  // namespace zevo::test
