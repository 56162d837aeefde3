#include "app/dbgrid.h"

#include <QKeyEvent>

namespace zevo {

void DbGrid::PostEdit()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    // Cell editors are the only widgets the delegate puts on the viewport.
    for (QWidget* editor : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!editor->isVisible())
            continue;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DbGrid::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        event->accept();
        emit enterPressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace zevo
