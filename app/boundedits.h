#pragma once
// Line edits bound to the fields of a table model that holds one row (the
// row a cursor stands on). What is typed goes into the model when an edit is
// left, on Enter, or by Submit(); the cursor posts the model's row into the
// table. With no row the edits are empty and disabled.

#include "app/fielddelegate.h"

#include <QList>
#include <QObject>

class QDataWidgetMapper;
class QLineEdit;
class QSqlTableModel;

namespace zevo {

class BoundEdits : public QObject {
    Q_OBJECT

  public:
    BoundEdits(QSqlTableModel* model, QObject* parent);

    void Bind(QLineEdit* edit, const QString& field, FieldDelegate::Kind kind, int maxLength);
    void Submit(); // every edit's text into the model's row

  private:
    struct Binding {
        QLineEdit* edit;
        QString field;
        FieldDelegate::Kind kind;
        bool mapped; // its column is known and mapped
    };

    // Maps the edits whose field the model now knows: a database server that
    // was away at start gives the model its fields only once it answers.
    void MapFields();
    void Rebind();

    QSqlTableModel* model_;
    QDataWidgetMapper* mapper_;
    FieldDelegate* delegate_;
    QList<Binding> bindings_;
};

} // namespace zevo
