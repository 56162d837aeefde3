// Tyre profile (with the rear wheels named as rear wheels), ABS diagnosis and
// suspension.

#include "decode/chassisblocks.h"

#include "decode/printdata.h"
#include "decodefixture.h"

#include <gtest/gtest.h>

namespace zevo::test {
namespace {

class ChassisTest : public DecodeTest {
protected:
    const PrintData& Text(const QByteArray& bytes)
    {
        bytes_ = bytes;
        text_.emplace(bytes_);
        return *text_;
    }
    QByteArray bytes_;
    std::optional<PrintData> text_;
};

TEST_F(ChassisTest, RearWheelsAreNamedAsRearWheelsOnce)
{
    // English "R.L." holds an "R": it must not be taken for the right wheel.
    // The other languages are checked by the golden files.
    settings.Sprache = 2;
    DecodeTyreProfile(Text(PrintText({"REIFEN - PROFIL", "VORDERACHSE", " L 5,5  R 5,1 MM", "HINTERACHSE",
                                      " L 4,0  R 3,9 MM", "SOLL 1,6 MM     ", "", "END"})),
                      context);
    EXPECT_EQ(LineA(39), " Fr.L. 5,5  Fr.R. 5,1 MM");
    EXPECT_EQ(LineA(41), " R.L. 4,0  R.R. 3,9 MM");
    EXPECT_EQ(LineA(40), "Tol. Min 1,6   mm");  // the printed unit before the last character goes
    EXPECT_EQ(report.ProfileFrontOk + report.ProfileRearOk, 2);
}

TEST(NameWheels, BothLettersFoundOnTheLineAsPrinted)
{
    EXPECT_EQ(NameWheels("R 1 L 2", "R.L.", "R.R."), "R.R. 1 R.L. 2");
    EXPECT_EQ(NameWheels("LL RR", "a", "b"), "aL bR");
    EXPECT_EQ(NameWheels("5,0 MM", "VL", "VR"), "5,0 MM");
}

TEST_F(ChassisTest, FurtherLinesUnderAnAxleMeanNotOk)
{
    DecodeTyreProfile(
        Text(PrintText({"REIFEN - PROFIL", "VORDERACHSE", " L 1,0  R 5,1", "LINKS ZU GERING", "HINTERACHSE",
                        " L 4,0  R 0,9", "RECHTS ZU GERING", "SOLL 1,6 MM     ", "", "END"})),
        context);
    EXPECT_EQ(report.ProfileFrontOk + report.ProfileRearOk, 0);
    EXPECT_EQ(LineA(41), " HL 4,0  HR 0,9");
    // Without the heading the section is absent and its lines stay.
    report.SetLineA(39, "old");
    DecodeTyreProfile(Text(PrintText({"REIFEN PROFIL", "VORDERACHSE", " L 1  R 1", "END"})), context);
    EXPECT_FALSE(result.HasTyreProfile);
    EXPECT_EQ(LineA(39), "old");
}

TEST_F(ChassisTest, AbsFrequenciesOfBothFrontCircuits)
{
    DecodeAbs(Text(PrintText({"ABS-DIAGNOSE", "VL:   12.5    HZ", "VR:   13      HZ", "", "END"})), context);
    EXPECT_TRUE(result.HasAbsTest);
    EXPECT_EQ(LineA(61), "VL 12.5Hz  VR 13Hz");
    settings.Sprache = 2;
    report.AbsPresent = 0;
    DecodeAbs(Text(QByteArray()), context);
    EXPECT_FALSE(result.HasAbsTest);
    EXPECT_EQ(report.AbsPresent, 1);  // set whether or not the section exists
    EXPECT_EQ(LineA(60), "ABS Circuit");
    EXPECT_EQ(LineA(61), "");
}

const char* const Row1 = " 45    1.     47";
const char* const Row2 = " 52    2.     50";
const char* const Row3 = " 38    3.     41";

TEST_F(ChassisTest, SuspensionAxlesAndTheFirstAxlesExtraHeading)
{
    report.SetSuspensionText(2, 1, 2, "old");
    DecodeSuspension(Text(PrintText({"$08", "FAHRWERK", "VORDERACHSE", "LI  AMPL.  RE", Row1, Row2, Row3, "", "$09",
                                     "FAHRWERK", "HINTERACHSE", "LI  AMPL.  RE", Row3, "", Row1, "END"})),
                     context);
    EXPECT_TRUE(result.HasSuspension);
    EXPECT_EQ(report.SuspensionText(0, 0, 0), " 45");
    EXPECT_EQ(report.SuspensionText(0, 1, 2), " 41");
    // Only "$08" skips a heading with "LI"; a blank line ends an axle.
    EXPECT_EQ(report.SuspensionText(1, 0, 0), "LI ");
    EXPECT_EQ(report.SuspensionText(1, 1, 1), " 41");
    EXPECT_TRUE(report.SuspensionText(1, 0, 2).isEmpty());
    EXPECT_TRUE(report.SuspensionText(2, 1, 2).isEmpty());
    EXPECT_EQ(LineB(23), "Amplitude");
}

TEST_F(ChassisTest, SuspensionCodeOnTheLastLineOrNoneAtAll)
{
    result.HasSuspension = true;
    DecodeSuspension(Text(PrintText({"$00", "X", "$18"})), context);
    EXPECT_FALSE(result.HasSuspension);
    DecodeSuspension(Text(PrintText({"$09", "H", "H", Row1, Row2})), context);
    EXPECT_TRUE(result.HasSuspension);
    EXPECT_EQ(report.SuspensionText(1, 0, 0), " 45");
    EXPECT_TRUE(report.SuspensionText(1, 0, 1).isEmpty());  // the last line is never read
}

}  // namespace
}  // namespace zevo::test
