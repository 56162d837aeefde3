#pragma once
// Edits table fields through a one-line edit, in a grid cell or in a
// data-bound edit of a form: texts are cut to their field size,
// registrations lose surrounding blanks (the archive joins vehicles and tests
// on the exact registration), and numbers are read with the decimal comma.
// A number that does not read leaves the stored value as it was.

#include <QHash>
#include <QStyledItemDelegate>

namespace zevo {

class FieldDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    enum class Kind {
        Text,         // cut to its size
        Registration, // trimmed, cut to its size
        Integer,      // whole number or empty (NULL)
        Decimal,      // "1234,5" or empty (NULL)
    };

    using QStyledItemDelegate::QStyledItemDelegate;

    // Columns not set are plain texts of unlimited size.
    void SetColumn(int column, Kind kind, int maxLength);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

  private:
    struct Field {
        Kind kind = Kind::Text;
        int maxLength = 32767;
    };
    Field FieldOf(int column) const { return columns_.value(column); }

    QHash<int, Field> columns_;
};

} // namespace zevo
