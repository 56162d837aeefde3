#pragma once
// Editor of an employee line: a one-line edit that takes no more characters
// than the report prints (81).

#include <QStyledItemDelegate>

namespace zevo {

class EmployeeLineDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace zevo
