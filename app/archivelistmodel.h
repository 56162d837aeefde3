#pragma once
// The archive list of the tab "Testarchiv": archived tests with the owner's
// name (read-only). Dates are shown as "dd.MM.yy", mileages without a needless
// decimal part.

#include <QSqlQueryModel>

namespace zevo {

class ArchiveListModel : public QSqlQueryModel {
    Q_OBJECT

  public:
    // Columns of the archive statement.
    enum Column : int { Id = 0, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, AU, Name, Vorname, ColumnCount };

    using QSqlQueryModel::QSqlQueryModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    qint64 IdAt(int row) const; // 0 outside the rows
};

} // namespace zevo
