#pragma once
// The untouched tests as the grid of the tab "KD/Kfz Daten" shows them: one
// row per test in Id order, without the two large texts, read a page at a
// time (a workshop may keep half a million of them). Registration, order
// number, mileage and inspection dates are edited in place, each stored as
// soon as its cell is left; date and time are the moment of storing and stay
// read-only. The date is shown as "dd.MM.yy".

#include "app/windowedmodel.h"

namespace zevo {

class MessungenModel : public WindowedModel {
    Q_OBJECT

  public:
    // Model columns, the order of the select.
    enum Column : int { Id = 0, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU, ColumnCount };

    MessungenModel(const QSqlDatabase& db, QObject* parent);

    // Reads the untouched tests (again). Error text, empty on success.
    QString SelectUntouched();

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Stores the field at once (a text cut to its size); false when it could
    // not be stored, and errorOccurred says why.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
};

} // namespace zevo
