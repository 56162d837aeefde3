#pragma once
// The two decode drivers. Showing a test decodes everything from a cleared
// model; redrawing a graphic or printing decodes the print data and curves
// again without the reset and without the vehicle type. The print data and
// curve data are the stored texts of one test (Windows-1252, CR LF lines).

#include "graphics/curvedata.h"

#include <QByteArrayView>
#include <QStringList>

namespace zevo {

class PrintData;
struct DecodeContext;

struct DecodeOutcome {
    QStringList problems;    // one text per step stopped by a number that did not convert,
                             // and one for lines of an interrupted earlier test
    CurveLoadResult curves;  // how far the curve text was read
};

// The problem reported for a text with more than one vehicle block: the lines
// of a test cut off in the middle, stored together with the next test.
QString InterruptedTestProblem(int vehicleBlocks);

// Showing a test, step 1: ResetReport and ClearResultTables. The main window
// then locates the row and fills the header lines before DecodeShownTest.
void PrepareShowTest(DecodeContext& context);

// Showing a test, steps 3..16: vehicle type, weight, toe, tyre profile, ABS,
// brake blocks, brake start, suspension, check lists, curves, employee.
DecodeOutcome DecodeShownTest(QByteArrayView printData, QByteArrayView curveData, DecodeContext& context);

// PrepareShowTest and DecodeShownTest in one, for callers without a database.
DecodeOutcome ShowTestDecode(QByteArrayView printData, QByteArrayView curveData, DecodeContext& context);

// Decoding again before a graphic or a print: the steps of DecodeShownTest
// except the vehicle type and the clearing of the brake flags.
DecodeOutcome DecodePrintData(QByteArrayView printData, QByteArrayView curveData, DecodeContext& context);

enum class DecodeDriver {
    ShowTest,  // a test brought on display: with the vehicle type, brake flags cleared first
    Redecode,  // before a graphic or a print: neither
};

// The steps that read the print data before the curve step: steps 3 (ShowTest
// only) to 14. The drivers run them, then LoadCurves, then DecodeEmployee.
void DecodePrintSteps(const PrintData& text, DecodeContext& context, DecodeDriver driver);

// The curve step: BrakeMaxima zeroed, the curves loaded, and BrakeMaxima
// computed from the brake blocks only when every curve block was read whole.
CurveLoadResult LoadCurves(QByteArrayView curveData, DecodeContext& context);

// EmployeeNumber := the digits of the line after "$31", 0 without them.
void DecodeEmployee(const PrintData& text, DecodeContext& context);

}  // namespace zevo
