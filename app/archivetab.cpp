#include "app/archivetab.h"

#include "app/archivelistmodel.h"
#include "app/boundedits.h"
#include "app/kfzcursor.h"
#include "app/messungencursor.h"
#include "records/archivequery.h"
#include "records/fieldtext.h"
#include "ui_archivetab.h"

#include <QHeaderView>
#include <array>

namespace zevo {

namespace {

constexpr std::array<int, 9> GridWidths = {110, 70, 65, 100, 80, 70, 70, 120, 120};

} // namespace

ArchiveTab::ArchiveTab(const QSqlDatabase& db, MessungenCursor& tests, KfzCursor& vehicles, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ArchiveTab>()), db_(db), tests_(tests), vehicles_(vehicles),
      list_(new ArchiveListModel(db, this)), testEdits_(new BoundEdits(tests.Current(), this)),
      vehicleEdits_(new BoundEdits(vehicles.Model(), this))
{
    ui_->setupUi(this);
    ui_->DBGrid2->setModel(list_);
    ui_->DBGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(list_, &QAbstractItemModel::modelReset, this, &ArchiveTab::ApplyColumns);
    // DBGrid2CellClick, DBGrid2DblClick, DBGrid2KeyDown (Enter)
    connect(ui_->DBGrid2, &QAbstractItemView::clicked, this, &ArchiveTab::SelectCurrentRow);
    connect(ui_->DBGrid2, &QAbstractItemView::doubleClicked, this, &ArchiveTab::SelectCurrentRow);
    connect(ui_->DBGrid2, &DbGrid::enterPressed, this, &ArchiveTab::SelectCurrentRow);

    using Kind = FieldDelegate::Kind;
    testEdits_->Bind(ui_->DBEdit1, QStringLiteral("AuftragsNr"), Kind::Text, FieldSize::AuftragsNr);
    const struct {
        QLineEdit* edit;
        const char* field;
        Kind kind;
        int size;
    } vehicleFields[] = {
        {ui_->DBEdit10, "Kennzeichen", Kind::Text, FieldSize::Kennzeichen}, // read-only: the key
        {ui_->DBEdit11, "Fabrikat", Kind::Text, FieldSize::KfzText},
        {ui_->DBEdit12, "Modell", Kind::Text, FieldSize::KfzText},
        {ui_->DBEdit13, "F_id", Kind::Text, FieldSize::KfzText},
        {ui_->DBEdit14, "TueV", Kind::Text, FieldSize::Inspection},
        {ui_->DBEdit15, "Inspektion", Kind::Text, FieldSize::Inspection},
        {ui_->DBEdit16, "AU", Kind::Text, FieldSize::Inspection},
        {ui_->DBEdit17, "Km", Kind::Integer, 11},
        {ui_->DBEdit2, "EMail", Kind::Text, FieldSize::KfzText},
        {ui_->DBEdit3, "Telefon", Kind::Text, FieldSize::KfzText},
        {ui_->DBEdit4, "Ort", Kind::Text, FieldSize::KfzText},
        {ui_->DBEdit5, "Plz", Kind::Text, FieldSize::Plz},
        {ui_->DBEdit6, "Strasse", Kind::Text, FieldSize::KfzText},
        {ui_->DBEdit7, "Vorname", Kind::Text, FieldSize::KfzText},
        {ui_->DBEdit8, "Name", Kind::Text, FieldSize::KfzText},
        {ui_->DBEdit9, "Reifen", Kind::Text, FieldSize::Inspection},
    };
    for (const auto& field : vehicleFields)
        vehicleEdits_->Bind(field.edit, QString::fromLatin1(field.field), field.kind, field.size);

    connect(ui_->SpeedButton3, &QAbstractButton::clicked, this, &ArchiveTab::SpeedButton3Click);
    connect(ui_->SpeedButton6, &QAbstractButton::clicked, this, &ArchiveTab::SpeedButton6Click);
}

ArchiveTab::~ArchiveTab() = default;

QString ArchiveTab::ListAll()
{
    registration_.clear();
    if (QString error = Open(); !error.isEmpty())
        return error;
    // The statement gives the tests in Id order: the last row is the newest.
    if (list_->rowCount() > 0) {
        const QModelIndex last = list_->index(list_->rowCount() - 1, ArchiveListModel::Kennzeichen);
        ui_->DBGrid2->setCurrentIndex(last);
        ui_->DBGrid2->scrollTo(last);
    }
    return {};
}

QString ArchiveTab::ListRegistration(const QString& kennzeichen)
{
    registration_ = kennzeichen;
    return Open();
}

QString ArchiveTab::Open()
{
    if (QString error = list_->Select(registration_.isEmpty() ? ArchiveList() : ArchiveSearch(registration_));
        !error.isEmpty())
        return error;
    if (list_->rowCount() > 0)
        ui_->DBGrid2->setCurrentIndex(list_->index(0, ArchiveListModel::Kennzeichen));
    return {};
}

void ArchiveTab::CloseList()
{
    list_->Clear();
}

qint64 ArchiveTab::CurrentListId() const
{
    const QModelIndex current = ui_->DBGrid2->currentIndex();
    return current.isValid() ? list_->IdAt(current.row()) : 0;
}

void ArchiveTab::SetColumnTitles(const QStringList& titles)
{
    titles_ = titles;
    ApplyColumns();
}

void ArchiveTab::ApplyColumns()
{
    ui_->DBGrid2->setColumnHidden(ArchiveListModel::Id, true);
    QHeaderView* header = ui_->DBGrid2->horizontalHeader();
    for (std::size_t k = 0; k < GridWidths.size(); ++k) {
        const int column = int(k) + ArchiveListModel::Kennzeichen;
        header->resizeSection(column, GridWidths[k]);
        if (qsizetype(k) < titles_.size())
            list_->setHeaderData(column, Qt::Horizontal, titles_[qsizetype(k)]);
    }
}

void ArchiveTab::PostEdits()
{
    testEdits_->Submit();
    vehicleEdits_->Submit();
}

void ArchiveTab::SelectCurrentRow()
{
    emit testSelected(CurrentListId());
}

void ArchiveTab::SpeedButton3Click()
{
    const QString chosen = search_ ? search_() : QString();
    // The list changes; the test on display does not.
    registration_ = chosen.trimmed().isEmpty() ? QString() : chosen;
    if (const QString error = Open(); !error.isEmpty())
        emit errorOccurred(error);
}

void ArchiveTab::SpeedButton6Click()
{
    const qint64 id = CurrentListId();
    if (id == 0)
        return;
    // The owner typed a moment ago is stored before the test and its row go.
    PostEdits();
    if (QString error = vehicles_.Post(); !error.isEmpty())
        emit errorOccurred(error);
    const DbResult<bool> found = tests_.FindId(id);
    if (!found.ok()) {
        emit errorOccurred(found.error());
        return;
    }
    if (found.value()) {
        if (const DbResult<bool> deleted = tests_.DeleteCurrent(); !deleted.ok())
            emit errorOccurred(deleted.error());
    }
    if (QString error = Open(); !error.isEmpty())
        emit errorOccurred(error);
}

} // namespace zevo
