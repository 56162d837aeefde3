#pragma once
// The one test the cursor on the tests stands on (or none), for the edits
// bound to it: a table model whose edits wait until the cursor posts them.
// It selects the row without the two large texts, which no edit shows.

#include <QSqlTableModel>

namespace zevo {

class MessungenRowModel : public QSqlTableModel {
    Q_OBJECT

  public:
    MessungenRowModel(const QSqlDatabase& db, QObject* parent);

  protected:
    QString selectStatement() const override;
};

} // namespace zevo
