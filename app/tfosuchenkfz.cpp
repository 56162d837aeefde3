#include "app/tfosuchenkfz.h"

#include "app/errormessage.h"
#include "app/windowedmodel.h"
#include "lang/sprachen.h"
#include "records/kfztable.h"
#include "ui_tfosuchenkfz.h"

#include <QKeyEvent>
#include <QShowEvent>

namespace zevo {

namespace {

// Columns of the vehicle list, in KfzList's order: Kennzeichen .. Km take the
// vehicle titles 27 .. 35, Name .. EMail the customer titles 20 .. 26.
constexpr int VehicleColumnCount = 9;
constexpr int ListColumnCount = 16;

int ColumnTitleId(int column)
{
    return column < VehicleColumnCount ? 27 + column : 20 + (column - VehicleColumnCount);
}

} // namespace

TfoSuchenKFZ::TfoSuchenKFZ(const QSqlDatabase& db, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfoSuchenKFZ>()), db_(db), takfz_(new WindowedModel(db, this))
{
    ui_->setupUi(this);
    ui_->DBGrid1->setModel(takfz_);
    connect(takfz_, &WindowedModel::errorOccurred, this,
            [this](const QString& error) { ShowErrorMessage(this, error); });
    ui_->edKennz->installEventFilter(this);
    connect(ui_->DBGrid1, &QAbstractItemView::clicked, this, &TfoSuchenKFZ::DBGrid1CellClick);
    // Enter on a row chosen with the arrow keys picks it as well.
    connect(ui_->DBGrid1, &QAbstractItemView::activated, this, &TfoSuchenKFZ::DBGrid1CellClick);
}

TfoSuchenKFZ::~TfoSuchenKFZ() = default;

QString TfoSuchenKFZ::Execute()
{
    exec();
    return selectedKennzeichen_;
}

void TfoSuchenKFZ::ApplyLanguage(int sprache)
{
    sprache_ = LimitSprache(sprache);
    setWindowTitle(TextOf(89, sprache_));
    ui_->Label1->setText(TextOf(90, sprache_));
    SetColumnTitles();
}

void TfoSuchenKFZ::SetColumnTitles()
{
    // The titles go with the model's columns, which a new query replaces.
    for (int column = 0; column < ListColumnCount && column < takfz_->columnCount(); ++column)
        takfz_->setHeaderData(column, Qt::Horizontal, TextOf(ColumnTitleId(column), sprache_));
}

void TfoSuchenKFZ::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        selectedKennzeichen_.clear();
        ui_->edKennz->clear();
        ui_->edKennz->setFocus();
        OpenList();
    }
    QDialog::showEvent(event);
}

void TfoSuchenKFZ::done(int result)
{
    QDialog::done(result);
    // Let go of the list between showings; the next showing reads it afresh.
    takfz_->Clear();
}

void TfoSuchenKFZ::OpenList()
{
    if (const QString error = takfz_->Select(KfzList()); !error.isEmpty()) {
        ShowErrorMessage(this, error);
        return;
    }
    SetColumnTitles();
    if (takfz_->rowCount() > 0)
        MoveToRow(0);
}

void TfoSuchenKFZ::MoveToRow(int row)
{
    if (row < 0 || row >= takfz_->rowCount())
        return;
    const QModelIndex index = takfz_->index(row, 0);
    ui_->DBGrid1->setCurrentIndex(index);
    ui_->DBGrid1->scrollTo(index);
}

bool TfoSuchenKFZ::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->edKennz && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            edKennzKeyUp(key->key());
    }
    return QDialog::eventFilter(watched, event);
}

void TfoSuchenKFZ::edKennzKeyUp(int key)
{
    if (!isVisible())
        return;
    const DbResult<std::optional<KfzPosition>> found = NearestKfz(db_, ui_->edKennz->text());
    if (!found.ok()) {
        ShowErrorMessage(this, found.error());
        return;
    }
    if (found.value())
        MoveToRow(found.value()->Row);
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Choose(ui_->DBGrid1->currentIndex().row());
}

void TfoSuchenKFZ::DBGrid1CellClick(const QModelIndex& index)
{
    if (isVisible() && index.isValid())
        Choose(index.row());
}

void TfoSuchenKFZ::Choose(int row)
{
    // An empty list gives an empty registration, as closing the window does.
    selectedKennzeichen_ = row >= 0 && row < takfz_->rowCount() ? takfz_->index(row, 0).data().toString() : QString();
    accept();
}

} // namespace zevo
