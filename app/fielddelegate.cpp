#include "app/fielddelegate.h"

#include "app/displaytext.h"
#include "lang/numbertext.h"
#include "records/fieldtext.h"

#include <QLineEdit>
#include <limits>

namespace zevo {

namespace {

// Writes only what differs: an unchanged field (an empty edit over a NULL
// field included) must not count as an edit of the row.
void SetIfChanged(QAbstractItemModel* model, const QModelIndex& index, const QVariant& value)
{
    const QVariant old = index.data(Qt::EditRole);
    if (value.isNull() && old.isNull())
        return;
    if (!value.isNull() && !old.isNull() && value.toString() == old.toString())
        return;
    model->setData(index, value);
}

} // namespace

void FieldDelegate::SetColumn(int column, Kind kind, int maxLength)
{
    columns_.insert(column, Field{kind, maxLength});
}

QWidget* FieldDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setMaxLength(FieldOf(index.column()).maxLength);
    return editor;
}

void FieldDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QVariant value = index.data(Qt::EditRole);
    switch (FieldOf(index.column()).kind) {
    case Kind::Integer:
    case Kind::Decimal:
        edit->setText(KmDisplayText(value));
        break;
    case Kind::Text:
    case Kind::Registration:
        edit->setText(value.toString());
        break;
    }
}

void FieldDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const Field field = FieldOf(index.column());
    const QString text = edit->text();
    switch (field.kind) {
    case Kind::Text:
        SetIfChanged(model, index, CutText(text, field.maxLength));
        return;
    case Kind::Registration:
        SetIfChanged(model, index, CutText(text.trimmed(), field.maxLength));
        return;
    case Kind::Integer: {
        if (text.trimmed().isEmpty()) {
            SetIfChanged(model, index, QVariant(QMetaType::fromType<int>()));
            return;
        }
        const std::optional<double> number = ParseDecimal(text);
        if (number && *number >= std::numeric_limits<qint32>::min() && *number <= std::numeric_limits<qint32>::max())
            SetIfChanged(model, index, static_cast<qint32>(RoundHalfEven(*number)));
        else
            setEditorData(editor, index); // shows the stored value again
        return;
    }
    case Kind::Decimal: {
        if (text.trimmed().isEmpty()) {
            SetIfChanged(model, index, QVariant(QMetaType::fromType<double>()));
            return;
        }
        if (const std::optional<double> number = ParseDecimal(text))
            SetIfChanged(model, index, *number);
        else
            setEditorData(editor, index);
        return;
    }
    }
}

} // namespace zevo
