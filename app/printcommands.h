#pragma once
// The print menu's commands: each decodes the test on display again, picks
// the job title and prints one page through the report renderer, on the
// printer chosen in "Druckereinrichtung" or, without a printer, into a PDF
// file in "Ausdrucke" in the working folder.

#include "report/printjob.h"

class QPrinter;

namespace zevo {

class MessungenCursor;
class TestDisplay;
class TfoHPrint;
struct ProgramState;

struct PrintResult {
    PrintOutcome outcome;
    QString jobTitle;
    QStringList decodeErrors;  // database errors met while decoding again
};

class PrintCommands {
  public:
    PrintCommands(ProgramState& state, TfoHPrint& renderer, QPrinter& printer, TestDisplay& display,
                  MessungenCursor& tests);

    // The print sequence for a page kind; curve pages also set their curve
    // mode (3 and 4 with the long pedal ticks). All but the numeric page
    // switch the pictograms on.
    PrintResult Print(int pageKind, int curveMode = 0);

    // A newly stored test under "Sofort Drucken": shown and decoded already,
    // printed as the numeric page with its pictograms.
    PrintResult PrintReceived();

  private:
    PrintResult PrintDecoded(int pageKind);

    ProgramState& state_;
    TfoHPrint& renderer_;
    QPrinter& printer_;
    TestDisplay& display_;
    MessungenCursor& tests_;
};

}  // namespace zevo
