#pragma once
// How the windows tell the user that a file or database operation failed.

#include <QString>

class QWidget;

namespace zevo {

// Shows `text` (which names what failed) in a message box over `parent`, titled
// like the parent's window. The box does not block: the caller carries on and
// its window stays usable behind the box, which deletes itself when closed.
// Tests find it as a QMessageBox child of `parent` named "ErrorMessage".
void ShowErrorMessage(QWidget* parent, const QString& text);

} // namespace zevo
