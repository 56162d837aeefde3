// Tyre profile, ABS diagnosis and suspension. The rear wheels named as rear
// wheels in all three languages are checked by the golden files.

#include "decode/chassisblocks.h"

#include "decode/printdata.h"
#include "decodefixture.h"

namespace zevo::test {
namespace {

TEST_F(DecodeTest, TyreProfileNamesEachWheelOnceAndFurtherLinesMeanNotOk)
{
    // English "R.L." holds an "R": it must not be taken for the right wheel.
    settings.Sprache = 2;
    DecodeTyreProfile(PrintData(PrintText({"REIFEN - PROFIL", "VORDERACHSE", " L 5,5  R 5,1 MM", "HINTERACHSE",
                                           " L 4,0  R 3,9 MM", "SOLL 1,6 MM     ", "", "END"})),
                      context);
    EXPECT_EQ(LineA(41), " R.L. 4,0  R.R. 3,9 MM");
    EXPECT_EQ(LineA(40), "Tol. Min 1,6   mm");  // the printed unit before the last character goes
    EXPECT_EQ(report.ProfileFrontOk, 1);
    EXPECT_EQ(report.ProfileRearOk, 1);

    settings.Sprache = 1;
    DecodeTyreProfile(
        PrintData(PrintText({"REIFEN - PROFIL", "VORDERACHSE", " L 1,0  R 5,1", "LINKS ZU GERING", "HINTERACHSE",
                             " L 4,0  R 0,9", "RECHTS ZU GERING", "SOLL 1,6 MM     ", "", "END"})),
        context);
    EXPECT_EQ(report.ProfileFrontOk + report.ProfileRearOk, 0);
    EXPECT_EQ(LineA(41), " HL 4,0  HR 0,9");
}

TEST_F(DecodeTest, AbsFrequenciesOfBothFrontCircuits)
{
    DecodeAbs(PrintData(PrintText({"ABS-DIAGNOSE", "VL:   12.5    HZ", "VR:   13      HZ", "", "END"})), context);
    EXPECT_TRUE(result.HasAbsTest);
    EXPECT_EQ(LineA(61), "VL 12.5Hz  VR 13Hz");
    settings.Sprache = 2;
    report.AbsPresent = 0;
    DecodeAbs(PrintData(QByteArrayView()), context);
    EXPECT_FALSE(result.HasAbsTest);
    EXPECT_EQ(report.AbsPresent, 1);  // set whether or not the section exists
    EXPECT_EQ(LineA(60), "ABS Circuit");
    EXPECT_EQ(LineA(61), "");
}

TEST_F(DecodeTest, SuspensionAxlesAndTheFirstAxlesExtraHeading)
{
    const char* const row1 = " 45    1.     47";
    const char* const row2 = " 52    2.     50";
    const char* const row3 = " 38    3.     41";
    report.SetSuspensionText(2, 1, 2, "old");
    DecodeSuspension(PrintData(PrintText({"$08", "FAHRWERK", "VORDERACHSE", "LI  AMPL.  RE", row1, row2, row3, "",
                                          "$09", "FAHRWERK", "HINTERACHSE", "LI  AMPL.  RE", row3, "", row1, "END"})),
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

}  // namespace
}  // namespace zevo::test
