#pragma once
// A data grid: a table view over a database model whose open cell editor can
// be posted on demand (before the program shows another test, stores, or
// closes, so nothing typed is lost), and which reports Enter on a row.

#include <QTableView>

namespace zevo {

class DbGrid : public QTableView {
    Q_OBJECT

  public:
    using QTableView::QTableView;

    // Writes the text of an open cell editor into the model and closes it.
    void PostEdit();

  signals:
    void enterPressed(); // Enter or Return on the grid itself, not in a cell editor

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace zevo
