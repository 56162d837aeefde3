#pragma once
// The main window's cursor on the vehicles (taKFZ): the vehicle of the test
// on display, which the vehicle and owner edits of both tabs are bound to.
// Their edits wait in the model until the row is posted; every move of the
// cursor posts first.

#include <QObject>
#include <QSqlDatabase>
#include <QString>

class QSqlTableModel;

namespace zevo {

class KfzCursor : public QObject {
    Q_OBJECT

  public:
    explicit KfzCursor(const QSqlDatabase& db, QObject* parent = nullptr);

    QSqlTableModel* Model() const { return model_; } // the vehicle alone, or no row

    // Stands on the vehicle with exactly this registration (no row when there
    // is none). Error text, empty on success.
    QString MoveTo(const QString& kennzeichen);
    QString Clear(); // stands on no vehicle
    QString Close(); // lets go of the table (program end)
    QString Post();  // writes a pending edit of the vehicle into the table

    bool HasRow() const;
    const QString& Kennzeichen() const { return kennzeichen_; } // empty when on no vehicle

  private:
    void BindTable(); // the table model on Kfz, once the database has it
    QSqlDatabase db_;
    QSqlTableModel* model_;
    QString kennzeichen_;
};

} // namespace zevo
