#include "app/currentteststab.h"

#include "app/boundedits.h"
#include "app/kfzcursor.h"
#include "app/messungencursor.h"
#include "app/messungenmodel.h"
#include "records/fieldtext.h"
#include "ui_currentteststab.h"

#include <QHeaderView>
#include <QSqlTableModel>
#include <array>

namespace zevo {

namespace {

// Model columns of the grid's columns 0 to 6.
constexpr std::array<int, 7> GridColumns = {MessungenModel::Kennzeichen, MessungenModel::Datum, MessungenModel::Uhrzeit,
                                            MessungenModel::AuftragsNr,  MessungenModel::Km,    MessungenModel::HU,
                                            MessungenModel::AU};
constexpr std::array<int, 7> GridWidths = {110, 70, 65, 100, 80, 70, 70};

} // namespace

CurrentTestsTab::CurrentTestsTab(MessungenCursor& tests, KfzCursor& vehicles, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::CurrentTestsTab>()), tests_(tests), vehicles_(vehicles),
      gridDelegate_(new FieldDelegate(this)), testEdits_(new BoundEdits(tests.Current(), this)),
      vehicleEdits_(new BoundEdits(vehicles.Model(), this))
{
    ui_->setupUi(this);

    using Kind = FieldDelegate::Kind;
    gridDelegate_->SetColumn(MessungenModel::Kennzeichen, Kind::Registration, FieldSize::Kennzeichen);
    gridDelegate_->SetColumn(MessungenModel::AuftragsNr, Kind::Text, FieldSize::AuftragsNr);
    gridDelegate_->SetColumn(MessungenModel::Km, Kind::Decimal, 12);
    gridDelegate_->SetColumn(MessungenModel::HU, Kind::Text, FieldSize::Inspection);
    gridDelegate_->SetColumn(MessungenModel::AU, Kind::Text, FieldSize::Inspection);

    DbGrid* grid = ui_->DBGrid1;
    grid->setModel(tests.Untouched());
    grid->setItemDelegate(gridDelegate_);
    // Typing into a cell edits it, as in the grid of old; a double click selects the test.
    grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    ApplyColumns();
    connect(tests.Untouched(), &QAbstractItemModel::modelReset, this, &CurrentTestsTab::ApplyColumns);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CurrentTestsTab::GridRowChanged);
    connect(&tests, &MessungenCursor::currentChanged, this, &CurrentTestsTab::FollowCursor);
    // DBGrid1CellClick, DBGrid1DblClick, DBGrid1KeyDown (Enter)
    connect(grid, &QAbstractItemView::clicked, this, &CurrentTestsTab::SelectCurrentRow);
    connect(grid, &QAbstractItemView::doubleClicked, this, &CurrentTestsTab::SelectCurrentRow);
    connect(grid, &DbGrid::enterPressed, this, &CurrentTestsTab::SelectCurrentRow);

    testEdits_->Bind(ui_->dbedAuftrag, QStringLiteral("AuftragsNr"), Kind::Text, FieldSize::AuftragsNr);
    const struct {
        QLineEdit* edit;
        const char* field;
        Kind kind;
        int size;
    } vehicleFields[] = {
        // The registration is the vehicle's key and the link to its tests: it
        // is changed on the test (in the grid), never here.
        {ui_->EditKennzeichen, "Kennzeichen", Kind::Text, FieldSize::Kennzeichen},
        {ui_->EditFabrikat, "Fabrikat", Kind::Text, FieldSize::KfzText},
        {ui_->EditModell, "Modell", Kind::Text, FieldSize::KfzText},
        {ui_->EditF_id, "F_id", Kind::Text, FieldSize::KfzText},
        {ui_->EditKm, "Km", Kind::Integer, 11},
        {ui_->EditTuev, "TueV", Kind::Text, FieldSize::Inspection},
        {ui_->EditAU, "AU", Kind::Text, FieldSize::Inspection},
        {ui_->EditInspektion, "Inspektion", Kind::Text, FieldSize::Inspection},
        {ui_->EditReifen, "Reifen", Kind::Text, FieldSize::Inspection},
        {ui_->dbedName, "Name", Kind::Text, FieldSize::KfzText},
        {ui_->dbedVorname, "Vorname", Kind::Text, FieldSize::KfzText},
        {ui_->dbedStrasse, "Strasse", Kind::Text, FieldSize::KfzText},
        {ui_->dbedPLZ, "Plz", Kind::Text, FieldSize::Plz},
        {ui_->dbedOrt, "Ort", Kind::Text, FieldSize::KfzText},
        {ui_->dbedTelefon, "Telefon", Kind::Text, FieldSize::KfzText},
        {ui_->dbedEMail, "EMail", Kind::Text, FieldSize::KfzText},
    };
    for (const auto& field : vehicleFields)
        vehicleEdits_->Bind(field.edit, QString::fromLatin1(field.field), field.kind, field.size);

    connect(ui_->SpeedButton2, &QAbstractButton::clicked, this, &CurrentTestsTab::SpeedButton2Click);
    connect(ui_->SpeedButton5, &QAbstractButton::clicked, this, &CurrentTestsTab::SpeedButton5Click);
}

CurrentTestsTab::~CurrentTestsTab() = default;

void CurrentTestsTab::SetColumnTitles(const QStringList& titles)
{
    titles_ = titles;
    ApplyColumns();
}

void CurrentTestsTab::ApplyColumns()
{
    // A new selection of the model resets the header: hide and title again.
    MessungenModel* model = tests_.Untouched();
    QHeaderView* header = ui_->DBGrid1->horizontalHeader();
    for (int column = 0; column < model->columnCount(); ++column)
        ui_->DBGrid1->setColumnHidden(column, true);
    for (std::size_t k = 0; k < GridColumns.size(); ++k) {
        const int column = GridColumns[k];
        if (column >= model->columnCount())
            continue;
        ui_->DBGrid1->setColumnHidden(column, false);
        header->resizeSection(column, GridWidths[k]);
        if (qsizetype(k) < titles_.size())
            model->setHeaderData(column, Qt::Horizontal, titles_[qsizetype(k)]);
    }
}

void CurrentTestsTab::PostEdits()
{
    ui_->DBGrid1->PostEdit();
    testEdits_->Submit();
    vehicleEdits_->Submit();
}

void CurrentTestsTab::FollowCursor(qint64 id)
{
    MessungenModel* model = tests_.Untouched();
    const int row = model->RowOfId(id);
    following_ = true;
    if (row >= 0) {
        const QModelIndex index = model->index(row, MessungenModel::Kennzeichen);
        ui_->DBGrid1->setCurrentIndex(index);
        ui_->DBGrid1->scrollTo(index);
    } else {
        ui_->DBGrid1->selectionModel()->clearCurrentIndex();
        ui_->DBGrid1->clearSelection();
    }
    following_ = false;
}

void CurrentTestsTab::GridRowChanged(const QModelIndex& current)
{
    // Moving in the grid moves the cursor (the order-number edit follows),
    // but only selecting a row shows the test.
    if (following_ || !current.isValid())
        return;
    testEdits_->Submit();
    vehicleEdits_->Submit();
    if (QString error = tests_.MoveTo(tests_.Untouched()->IdAt(current.row())); !error.isEmpty())
        emit errorOccurred(error);
}

void CurrentTestsTab::SelectCurrentRow()
{
    const QModelIndex current = ui_->DBGrid1->currentIndex();
    emit testSelected(current.isValid() ? tests_.Untouched()->IdAt(current.row()) : 0);
}

void CurrentTestsTab::PostEditsAndVehicle()
{
    PostEdits();
    if (QString error = vehicles_.Post(); !error.isEmpty())
        emit errorOccurred(error);
}

void CurrentTestsTab::SpeedButton2Click()
{
    PostEditsAndVehicle();
    const DbResult<bool> archived = tests_.ArchiveCurrent();
    if (!archived.ok())
        emit errorOccurred(archived.error());
}

void CurrentTestsTab::SpeedButton5Click()
{
    PostEditsAndVehicle();
    const DbResult<bool> deleted = tests_.DeleteCurrent();
    if (!deleted.ok())
        emit errorOccurred(deleted.error());
}

} // namespace zevo
