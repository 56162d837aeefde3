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
    edit->setMaxLength(maxLength);
    bindings_.append({edit, field, kind, false});
    Rebind();
}

void BoundEdits::MapFields()
{
    for (Binding& binding : bindings_) {
        const int column = binding.mapped ? -1 : model_->fieldIndex(binding.field);
        if (column < 0)
            continue;
        delegate_->SetColumn(column, binding.kind, binding.edit->maxLength());
        mapper_->addMapping(binding.edit, column);
        binding.mapped = true;
    }
}

void BoundEdits::Submit()
{
    if (model_->rowCount() > 0)
        mapper_->submit();
}

void BoundEdits::Rebind()
{
    MapFields();
    const bool hasRow = model_->rowCount() > 0;
    if (hasRow) {
        mapper_->toFirst();
    } else {
        for (const Binding& binding : bindings_)
            binding.edit->clear();
    }
    for (const Binding& binding : bindings_)
        binding.edit->setEnabled(hasRow);
}

} // namespace zevo
