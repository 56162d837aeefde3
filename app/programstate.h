#pragma once
// The records the whole program shares for its run: settings, the limit set
// in force, the model and report record of the test on display, its curves,
// and the employee lines. main() owns the one instance and hands references to
// the windows; tests build their own.

#include "decode/limitsets.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "lang/einstellungen.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <functional>

namespace zevo {

struct ProgramState {
    Settings settings;                  // record, Sprache and PortName
    LimitSet limitSet = LimitSet::Eu;   // chosen from the text table when the language is applied
    double GravityFactor = 9.81;        // m/s², 10.0 under the Polish set
    TestResult result;                  // model of the test on display
    ReportRecord report;                // report lines; lines 0..7 are the company address
    CurveData curves;                   // curves of the test on display
    std::array<QString, EmployeeLineCount> EmployeeLines;  // entry n at index n - 1, 81 characters at most
    bool ReportPrinted = false;         // a test was printed at once after reception
    bool SmoothCurves = false;          // smooth brake curves at the next drawing

    QString programFolder;              // folder of "Params.ini": the executable's folder
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };  // tests set a fixed one
};

}  // namespace zevo
