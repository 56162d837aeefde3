#pragma once
// A decoder test's own settings, result model, report record and curve table, and print data.

#include "decode/decodecontext.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "lang/einstellungen.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <initializer_list>

namespace zevo::test {

// Lines joined as reception stores them: each followed by CR LF.
inline QByteArray PrintText(std::initializer_list<const char*> lines)
{
    QByteArray text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

class DecodeTest : public ::testing::Test {
protected:
    DecodeTest()
    {
        settings.einstellungen.Field[VehicleTypeField] = 1;
        settings.einstellungen.Field[RegistrationGroup] = 1;
        settings.einstellungen.Field[Plates] = 2;
        settings.Sprache = 1;
    }

    void UseLimitSet(LimitSet set)
    {
        context.limitSet = set;
        context.gravityFactor = GravityFactor(set);
    }

    QByteArray LineA(int i) const { return report.LineA(i).toByteArray(); }
    QByteArray LineB(int i) const { return report.LineB(i).toByteArray(); }
    int Table(int kind, BrakeColumn column, int row) const { return report.BrakeValue(kind, column, row); }

    Settings settings;
    TestResult result;
    ReportRecord report = EmptyReportRecord();
    CurveData curves;
    DecodeContext context{settings, LimitSet::Eu, result, report, curves};
};

}  // namespace zevo::test
