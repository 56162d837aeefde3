#pragma once
// The archive list of the tab "Testarchiv": archived tests with the owner's
// name (read-only), read a page at a time. Dates are shown as "dd.MM.yy",
// mileages without a needless decimal part.

#include "app/windowedmodel.h"

namespace zevo {

class ArchiveListModel : public WindowedModel {
    Q_OBJECT

  public:
    // Columns of the archive statement.
    enum Column : int { Id = 0, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, AU, Name, Vorname, ColumnCount };

    using WindowedModel::WindowedModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

} // namespace zevo
