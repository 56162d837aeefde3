#pragma once
// The table Messungen as the windows show it: one row per test in Id order,
// without the two large text fields (a grid never shows them, and a list of
// thousands of tests must not drag their curves into memory). Date and time are the moment of storing and stay
// read-only; the date is shown as "dd.MM.yy".

#include <QSqlTableModel>

namespace zevo {

class MessungenModel : public QSqlTableModel {
    Q_OBJECT

  public:
    // Model columns, the order of the select.
    enum Column : int { Id = 0, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU, ColumnCount };

    MessungenModel(const QSqlDatabase& db, EditStrategy strategy, QObject* parent);

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    qint64 IdAt(int row) const; // 0 outside the rows
    // Row of the test with that Id, fetching further rows as far as needed;
    // -1 when the model does not hold it.
    int RowOfId(qint64 id);

  protected:
    QString selectStatement() const override;
};

} // namespace zevo
