#pragma once
// Everything a decode reads and writes, handed in explicitly: the program owns
// one settings record, result model, report record and curve table, and a
// test builds its own.

#include "decode/limitsets.h"

#include <QStringList>

namespace zevo {

struct CurveData;
struct ReportRecord;
struct Settings;
struct TestResult;

struct DecodeContext {
    DecodeContext(Settings& settings, LimitSet limitSet, TestResult& result, ReportRecord& report, CurveData& curves)
        : settings(settings), limitSet(limitSet), gravityFactor(GravityFactor(limitSet)), result(result),
          report(report), curves(curves)
    {
    }

    Settings& settings;    // vehicle type written by DecodeVehicleType; language, plates read
    LimitSet limitSet;     // the national set in force for the run
    double gravityFactor;  // m/s², 10.0 with the Polish set, else 9.81
    TestResult& result;
    ReportRecord& report;
    CurveData& curves;

    // Texts the test stand printed where a number belongs, one entry per step
    // that had to stop because of one. The window shows them.
    QStringList problems;

    int Sprache() const;             // language number 1..3 of the settings
    int VehicleTypeSetting() const;  // settings field 5
    bool IsPolish() const { return limitSet == LimitSet::Pl; }
};

}  // namespace zevo
