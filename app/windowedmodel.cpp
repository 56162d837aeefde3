#include "app/windowedmodel.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace zevo {

WindowedModel::WindowedModel(const QSqlDatabase& db, QObject* parent) : QAbstractTableModel(parent), db_(db) {}

QString WindowedModel::Select(const KeyedSelect& select)
{
    beginResetModel();
    pages_.clear();
    reported_.clear();
    select_ = select;
    rows_ = 0;
    const DbResult<int> count = CountKeys(db_, select);
    const DbResult<KeyedRows> first = ReadRows(db_, select, RowWindow{false, std::nullopt, 0, 1});
    const DbResult<KeyedRows> last = ReadRows(db_, select, RowWindow{true, std::nullopt, 0, 1});
    QString error;
    for (const QString& failed : {count.error(), first.error(), last.error()})
        if (error.isEmpty())
            error = failed;
    firstRow_.reset();
    lastRow_.reset();
    if (error.isEmpty()) {
        rows_ = count.value();
        names_ = first.value().names;
        if (!first.value().rows.isEmpty() && !last.value().rows.isEmpty()) {
            firstRow_ = first.value().rows.first();
            lastRow_ = last.value().rows.first();
        }
    } else {
        select_.reset();
    }
    endResetModel();
    return error;
}

QString WindowedModel::Select()
{
    if (!select_)
        return {};
    const KeyedSelect select = *select_;
    return Select(select);
}

void WindowedModel::Clear()
{
    beginResetModel();
    select_.reset();
    pages_.clear();
    rows_ = 0;
    names_.clear();
    titles_.clear();
    endResetModel();
}

int WindowedModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int WindowedModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !select_ ? 0 : int(names_.size());
}

QVariant WindowedModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return Value(index.row(), index.column());
}

QVariant WindowedModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::EditRole)) {
        const QVariant title = titles_.value(section);
        return title.isValid() ? title : QVariant(names_.value(section));
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool WindowedModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::EditRole) || section < 0)
        return false;
    titles_.insert(section, value);
    emit headerDataChanged(orientation, section, section);
    return true;
}

qint64 WindowedModel::IdAt(int row) const
{
    return row >= 0 && row < rows_ ? Value(row, select_->key.first().column).toLongLong() : 0;
}

qint64 WindowedModel::IdOf(const QVariantList& row) const
{
    return row.value(select_->key.first().column).toLongLong();
}

QVariant WindowedModel::Value(int row, int column) const
{
    if (row < 0 || row >= rows_ || column < 0)
        return {};
    const Page* page = PageOf(row);
    if (!page || row % PageRows >= page->rows.size())
        return {};
    return page->rows[row % PageRows].value(column);
}

const WindowedModel::Page* WindowedModel::PageOf(int row) const
{
    const int number = row / PageRows;
    if (auto found = pages_.find(number); found != pages_.end()) {
        found->second.lastUse = ++uses_;
        return &found->second;
    }
    // From the nearest known row on either side: the last row of the page
    // before, the first of the page after, or an end of the list. The rows
    // in between are passed over by their keys alone.
    const int first = number * PageRows;
    const int last = std::min(first + PageRows, rows_) - 1;
    Anchor before{-1, std::nullopt};
    Anchor after{rows_, std::nullopt};
    const auto next = pages_.lower_bound(number);
    if (next != pages_.end() && !next->second.rows.isEmpty())
        after = {next->first * PageRows, KeyOf(*select_, next->second.rows.first())};
    if (next != pages_.begin()) {
        const auto& [previous, page] = *std::prev(next);
        if (!page.rows.isEmpty())
            before = {previous * PageRows + int(page.rows.size()) - 1, KeyOf(*select_, page.rows.last())};
    }
    const int skipForward = first - before.row - 1;
    const int skipBackward = after.row - last - 1;
    const RowWindow window = skipForward <= skipBackward ? RowWindow{false, before.key, skipForward, last - first + 1}
                                                         : RowWindow{true, after.key, skipBackward, last - first + 1};
    DbResult<KeyedRows> read = ReadRows(db_, *select_, window);
    if (!read.ok()) {
        ReportError(read.error());
        return nullptr;
    }
    KeepPage(number, std::move(read.value().rows));
    return &pages_.at(number);
}

void WindowedModel::KeepPage(int number, QList<QVariantList> rows) const
{
    if (pages_.size() >= KeptPages) {
        const auto oldest = std::min_element(pages_.begin(), pages_.end(), [](const auto& a, const auto& b) {
            return a.second.lastUse < b.second.lastUse;
        });
        pages_.erase(oldest);
    }
    pages_[number] = Page{std::move(rows), ++uses_};
}

int WindowedModel::RowOfId(qint64 id) const
{
    if (!select_ || !firstRow_ || id < IdOf(*firstRow_) || id > IdOf(*lastRow_))
        return -1;
    if (id == IdOf(*firstRow_) || id == IdOf(*lastRow_))
        return id == IdOf(*firstRow_) ? 0 : rows_ - 1;
    // A page holds a run of the list: the Id is in it, or not in the list.
    for (const auto& [number, page] : pages_) {
        if (page.rows.isEmpty() || id < IdOf(page.rows.first()) || id > IdOf(page.rows.last()))
            continue;
        const auto found = std::lower_bound(page.rows.begin(), page.rows.end(), id,
                                            [this](const QVariantList& row, qint64 k) { return IdOf(row) < k; });
        return found != page.rows.end() && IdOf(*found) == id
                   ? number * PageRows + int(std::distance(page.rows.begin(), found))
                   : -1;
    }
    // Else count the rows between the Id and the nearest Id known.
    const DbResult<int> held = CountKeys(db_, *select_, ListKey{id - 1}, ListKey{id + 1});
    if (!held.ok() || held.value() == 0) {
        ReportError(held.error());
        return -1;
    }
    std::pair<int, qint64> nearest{0, IdOf(*firstRow_)};
    const auto consider = [&](int row, qint64 known) {
        if (std::llabs(known - id) < std::llabs(nearest.second - id))
            nearest = {row, known};
    };
    consider(rows_ - 1, IdOf(*lastRow_));
    for (const auto& [number, page] : pages_) {
        if (page.rows.isEmpty())
            continue;
        consider(number * PageRows, IdOf(page.rows.first()));
        consider(number * PageRows + int(page.rows.size()) - 1, IdOf(page.rows.last()));
    }
    const auto [knownRow, knownId] = nearest;
    const bool below = knownId < id;
    const DbResult<int> between = below ? CountKeys(db_, *select_, ListKey{knownId}, ListKey{id})
                                        : CountKeys(db_, *select_, ListKey{id}, ListKey{knownId});
    if (!between.ok()) {
        ReportError(between.error());
        return -1;
    }
    const int row = below ? knownRow + between.value() + 1 : knownRow - between.value() - 1;
    return row >= 0 && row < rows_ ? row : -1;
}

void WindowedModel::ReportError(const QString& error) const
{
    if (error.isEmpty() || error == reported_)
        return;
    reported_ = error;
    // Not from inside the paint that asked for the rows.
    QMetaObject::invokeMethod(
        const_cast<WindowedModel*>(this), [this, error] { emit errorOccurred(error); }, Qt::QueuedConnection);
}

void WindowedModel::ReloadRow(int row)
{
    const auto found = pages_.find(row / PageRows);
    if (row < 0 || row >= rows_ || found == pages_.end() || row % PageRows >= found->second.rows.size())
        return;
    QVariantList& kept = found->second.rows[row % PageRows];
    const ListKey key = KeyOf(*select_, kept);
    const DbResult<KeyedRows> again = ReadRows(db_, *select_, RowWindow{false, key, 0, 1, true});
    if (!again.ok()) {
        ReportError(again.error());
        return;
    }
    if (again.value().rows.size() == 1 && KeyOf(*select_, again.value().rows.first()) == key)
        kept = again.value().rows.first();
    else
        pages_.erase(found); // it left the list: read the page again when shown
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

} // namespace zevo
