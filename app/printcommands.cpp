#include "app/printcommands.h"

#include "app/messungencursor.h"
#include "app/programstate.h"
#include "app/testdisplay.h"
#include "graphics/curveplot.h"
#include "report/hprint.h"

#include <QDir>
#include <QPrinter>

namespace zevo {

PrintCommands::PrintCommands(ProgramState& state, TfoHPrint& renderer, QPrinter& printer, TestDisplay& display,
                             MessungenCursor& tests)
    : state_(state), renderer_(renderer), printer_(printer), display_(display), tests_(tests)
{
}

PrintResult PrintCommands::Print(int pageKind, int curveMode)
{
    state_.SmoothCurves = true;
    const ShowTestOutcome decoded = display_.DecodeAgain();
    if (pageKind == CurvePageKind) {
        renderer_.CurveMode = curveMode;
        if (curveMode == 3 || curveMode == 4)
            renderer_.PedalTickLength = PrintedPedalTickLength;
    }
    if (pageKind != NumericPageKind)
        renderer_.DrawBitmaps = true;
    PrintResult result = PrintDecoded(pageKind);
    result.decodeErrors = decoded.errors;
    return result;
}

PrintResult PrintCommands::PrintReceived()
{
    renderer_.DrawBitmaps = true;
    return PrintDecoded(NumericPageKind);
}

PrintResult PrintCommands::PrintDecoded(int pageKind)
{
    PrintResult result;
    QString registration;
    if (const DbResult<std::optional<MessungRow>> row = tests_.CurrentRow(); row.ok() && row.value())
        registration = row.value()->Kennzeichen;
    result.jobTitle = PrintJobTitle(registration);
    result.outcome = PrintPage(renderer_, printer_, pageKind, result.jobTitle, QDir::currentPath(), state_.clock());
    return result;
}

}  // namespace zevo
