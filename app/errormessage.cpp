#include "app/errormessage.h"

#include <QMessageBox>

namespace zevo {

void ShowErrorMessage(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Critical, parent ? parent->windowTitle() : QString(), text,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("ErrorMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // open() rather than exec(): a box shown from a window's handler must not
    // start a nested event loop under it (timers keep receiving tests meanwhile).
    box->open();
}

} // namespace zevo
