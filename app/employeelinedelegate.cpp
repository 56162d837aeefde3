#include "app/employeelinedelegate.h"

#include "records/fieldtext.h"

#include <QLineEdit>

namespace zevo {

QWidget* EmployeeLineDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->setMaxLength(FieldSize::MitarbeiterText);
    return editor;
}

} // namespace zevo
