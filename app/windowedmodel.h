#pragma once
// A grid's model over a list that may hold a million rows (a KeyedSelect):
// it counts the rows once per selection and reads them a page at a time,
// only the pages the grid shows, each from the nearest page already read or
// from an end of the list. Standing on the last row, scrolling and finding
// the row of a test thus never read the whole list. Values are as stored;
// rows are read-only here.

#include "records/keyedselect.h"

#include <QAbstractTableModel>
#include <QMap>
#include <QSqlDatabase>
#include <map>
#include <optional>

namespace zevo {

class WindowedModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int PageRows = 128;
    static constexpr int KeptPages = 64; // the least recently used page goes beyond this

    WindowedModel(const QSqlDatabase& db, QObject* parent);

    // Shows the list (a model reset). Error text, empty on success; on an
    // error the model shows no list.
    QString Select(const KeyedSelect& select);
    // Reads the same list again (it changed in the table).
    QString Select();
    // No list: no rows and no columns.
    void Clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

    // For lists of tests, keyed by their Id alone: the Id of a row (0 outside
    // the rows) and the row of an Id (-1 when the list does not hold it).
    qint64 IdAt(int row) const;
    int RowOfId(qint64 id) const;

    // Reads the row again after its test was changed in the table.
    void ReloadRow(int row);

  signals:
    // Rows could not be read (or, in a subclass, stored): once per error,
    // after the grid's paint that ran into it.
    void errorOccurred(const QString& error) const;

  protected:
    QVariant Value(int row, int column) const; // as stored; invalid outside the rows
    const QSqlDatabase& Database() const { return db_; }
    void ReportError(const QString& error) const;

  private:
    struct Page {
        QList<QVariantList> rows;
        quint64 lastUse = 0;
    };
    // A row whose key is known: a page's first or last row, or an end of the
    // list (no key: before the first row, after the last).
    struct Anchor {
        int row;
        std::optional<ListKey> key;
    };

    const Page* PageOf(int row) const; // read when missing
    void KeepPage(int number, QList<QVariantList> rows) const;
    qint64 IdOf(const QVariantList& row) const;

    QSqlDatabase db_;
    std::optional<KeyedSelect> select_;
    int rows_ = 0;
    QStringList names_;
    std::optional<QVariantList> firstRow_;
    std::optional<QVariantList> lastRow_;
    QMap<int, QVariant> titles_; // horizontal header texts set by the windows
    mutable std::map<int, Page> pages_;
    mutable quint64 uses_ = 0;
    mutable QString reported_; // the last error reported
};

} // namespace zevo
