#include "app/boundedits.h"

#include <QDataWidgetMapper>
#include <QLineEdit>
#include <QSqlTableModel>

namespace zevo {

BoundEdits::BoundEdits(QSqlTableModel* model, QObject* parent)
    : QObject(parent), model_(model), mapper_(new QDataWidgetMapper(this)), delegate_(new FieldDelegate(this))
{
    mapper_->setModel(model);
    mapper_->setItemDelegate(delegate_);
    mapper_->setSubmitPolicy(QDataWidgetMapper::AutoSubmit);
    // The mapper follows changed values but not a new selection of the row.
    connect(model, &QAbstractItemModel::modelReset, this, &BoundEdits::Rebind);
}

void BoundEdits::Bind(QLineEdit* edit, const QString& field, FieldDelegate::Kind kind, int maxLength)
{
    const int column = model_->fieldIndex(field);
    delegate_->SetColumn(column, kind, maxLength);
    edit->setMaxLength(maxLength);
    mapper_->addMapping(edit, column);
    edits_ << edit;
    Rebind();
}

void BoundEdits::Submit()
{
    if (model_->rowCount() > 0)
        mapper_->submit();
}

void BoundEdits::Rebind()
{
    const bool hasRow = model_->rowCount() > 0;
    if (hasRow) {
        mapper_->toFirst();
    } else {
        for (QLineEdit* edit : edits_)
            edit->clear();
    }
    for (QLineEdit* edit : edits_)
        edit->setEnabled(hasRow);
}

} // namespace zevo
