#pragma once
// The decoded model of the test on display. The program owns one instance and
// overwrites it for every test shown; the report, curve and bar pages only read
// it. The decoder fills it from the stored print data and curve data.

#include <QString>
#include <array>
#include <cstdint>

namespace zevo {

struct CurveData;
struct ReportRecord;

inline constexpr int BrakeCodeCount = 48;    // block codes 0 .. 47 ("$00" .. "$2F")
inline constexpr int BrakeLineCount = 21;    // lines 0 .. 20 of a block; line 0 is never written
inline constexpr int BrakeMaximaCodes = 32;  // ComputeBrakeMaxima covers codes 0 .. 31
inline constexpr int EmployeeLineCount = 100; // employee text lines 1 .. 100, picked by EmployeeNumber

// The numbers of one brake block line.
struct BrakeLine {
    std::int32_t Left = 0;   // N, as printed (signs and decimal points dropped)
    std::int32_t Pedal = 0;  // pedal force as printed, unscaled
    std::int32_t Right = 0;  // N
};

// How the last tolerance line of a toe block judged the toe value.
enum class ToeJudgement : int {
    NotJudged = 0,  // no tolerance line, or one narrower than 0.01 mm
    Inside = 1,
    Outside = 2,
};

struct TestResult {
    std::array<std::array<BrakeLine, BrakeLineCount>, BrakeCodeCount> BrakeLines{};  // [code][line 0..20]
    std::array<BrakeLine, BrakeCodeCount> BrakeMaxima{};  // per code, largest of lines 0..20, >= 0

    // Mirrors the vehicle-type setting (field VehicleTypeField): the decoder copies
    // the setting in, and DecodeVehicleType writes both when the print data names a type.
    std::int32_t VehicleType = 1;     // 1 car, 2 lorry, 3 bus, 4 motorcycle, 5 tractor, 6 trailer
    bool IsMotorcycle = false;        // VehicleType == 4, as of the last vehicle-type decode
    double TotalWeight = 0;           // kg, 0 when not printed
    std::int32_t EmployeeNumber = 0;  // 1-based employee text line, 0 = none

    double ToeValue = 0;      // mm, signed; last toe value decoded, never cleared
    double ToeTolLow = 0;     // mm, lower bound of the last tolerance checked (widened by 1,5 with the Polish set)
    double ToeTolHigh = 0;    // mm, upper bound, likewise
    QString ToeFrontLowText;  // "%4.1f" of the bounds when the front axle was decoded, e.g. "-1,0"
    QString ToeFrontHighText;
    QString ToeRearLowText;
    QString ToeRearHighText;
    ToeJudgement ToeFrontJudgement = ToeJudgement::NotJudged;  // verdict of the front toe block
    ToeJudgement ToeRearJudgement = ToeJudgement::NotJudged;   // verdict of the rear toe block

    bool HasPedalColumn = false;  // the brake block decoded last has a pedal-force column

    // Section flags: which parts the test stand printed.
    bool HasToeTest = false;       // "$20" or "$21"
    bool HasTyreProfile = false;   // "REIFEN - PROFIL"
    bool HasDeceleration = false;  // never set: no deceleration section is decoded
    bool HasAbsTest = false;       // "ABS-DIAGNOSE"
    bool HasBrakeBlock = false;    // one of "$00", "$01", "$10"
    bool HasBrakeTest = false;     // the same
    bool HasFrontAxle = false;     // "$00"
    bool HasRearAxle = false;      // "$01"
    bool HasParkingBrake = false;  // "$10"
    bool HasSuspension = false;    // one of "$08", "$09", "$18"
    bool HasTotalWeight = false;   // "  GESAMTGEWICHT"
};

// Clears the section flags, the report flags and the test parts of the record
// and writes the fixed titles in language `sprache`. Leaves the company lines
// LinesA[0..7], the value tables, VehicleType and the toe values alone.
void ResetReport(TestResult& result, ReportRecord& report, int sprache);

// Zeroes CurveData, BrakeLines, BrakeMaxima and the BrakeTable.
void ClearResultTables(TestResult& result, ReportRecord& report, CurveData& curves);
// The same without CurveData, for a decode whose curve step reloads every sample anyway.
void ClearBrakeTables(TestResult& result, ReportRecord& report);

// BrakeMaxima of codes 0..31: the largest Left, Pedal and Right over lines 0..20,
// each starting from 0 so that negative numbers never win. Codes 32..47 stay.
void ComputeBrakeMaxima(TestResult& result);

}  // namespace zevo
