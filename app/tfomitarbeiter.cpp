#include "app/tfomitarbeiter.h"

#include "records/database.h"
#include "app/employeelinedelegate.h"
#include "app/employeelines.h"
#include "app/errormessage.h"
#include "app/programstate.h"
#include "lang/sprachen.h"
#include "records/database.h"
#include "records/fieldtext.h"
#include "records/mitarbeitertable.h"
#include "ui_tfomitarbeiter.h"

#include <QKeyEvent>
#include <QHideEvent>
#include <QShowEvent>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>

namespace zevo {

TfoMitarbeiter::TfoMitarbeiter(ProgramState& state, const QSqlDatabase& db, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TfoMitarbeiter>()), state_(state), db_(db),
      taMitarbeiter_(new QSqlTableModel(this, db))
{
    ui_->setupUi(this);

    // The grid is the editing buffer: nothing reaches the table before "Speichern".
    taMitarbeiter_->setEditStrategy(QSqlTableModel::OnManualSubmit);
    ui_->DBGrid1->setModel(taMitarbeiter_);
    ui_->DBGrid1->setItemDelegate(new EmployeeLineDelegate(this)); // the Id column is hidden
    ui_->DBGrid1->installEventFilter(this);
    ui_->DBGrid1->addActions({ui_->acZeileEinfuegen, ui_->acZeileAnhaengen, ui_->acZeileLoeschen});

    connect(ui_->acZeileEinfuegen, &QAction::triggered, this, &TfoMitarbeiter::InsertLine);
    connect(ui_->acZeileAnhaengen, &QAction::triggered, this, &TfoMitarbeiter::AppendLine);
    connect(ui_->acZeileLoeschen, &QAction::triggered, this, &TfoMitarbeiter::DeleteLine);
    connect(ui_->buSpeichern, &QPushButton::clicked, this, &TfoMitarbeiter::buSpeichernClick);

    OpenTable();
}

TfoMitarbeiter::~TfoMitarbeiter() = default;

void TfoMitarbeiter::ApplyLanguage(int sprache)
{
    setWindowTitle(TextOf(88, sprache));
    ui_->buSpeichern->setText(TextOf(75, sprache));
}

void TfoMitarbeiter::showEvent(QShowEvent* event)
{
    // Each showing starts from the stored lines.
    if (!event->spontaneous())
        OpenTable();
    QDialog::showEvent(event);
}

void TfoMitarbeiter::hideEvent(QHideEvent* event)
{
    // Closed without "Speichern": the lines typed are kept all the same, as
    // a table keeps each row once it is left.
    if (!event->spontaneous() && db_.isOpen() && taMitarbeiter_->isDirty())
        StoreLines();
    QDialog::hideEvent(event);
}

int TfoMitarbeiter::TextColumn() const
{
    return taMitarbeiter_->fieldIndex(QStringLiteral("Text"));
}

void TfoMitarbeiter::OpenTable()
{
    // Without a database the main window has said so; the grid stays empty.
    if (!db_.isOpen())
        return;
    // Bound once its fields are known: a server that was away at start had no table to bind.
    if (taMitarbeiter_->record().isEmpty()) {
        taMitarbeiter_->setTable(ModelTableName(db_, "Mitarbeiter"));
        taMitarbeiter_->setSort(taMitarbeiter_->fieldIndex(QStringLiteral("Id")), Qt::AscendingOrder);
        ui_->DBGrid1->hideColumn(taMitarbeiter_->fieldIndex(QStringLiteral("Id")));
    }
    taMitarbeiter_->setHeaderData(TextColumn(), Qt::Horizontal, QStringLiteral("Text"));
    if (!taMitarbeiter_->select()) {
        ShowErrorMessage(this,
                         ErrorText(QStringLiteral("The employee lines cannot be read"), taMitarbeiter_->lastError()));
        return;
    }
    // Saving writes every line the grid holds, so all of them must be fetched.
    while (taMitarbeiter_->canFetchMore())
        taMitarbeiter_->fetchMore();
    // The reset of the model has shown again any rows hidden for deletion.
    if (taMitarbeiter_->rowCount() > 0)
        MoveTo(0);
}

QStringList TfoMitarbeiter::Lines() const
{
    QStringList lines;
    for (int row = 0; row < taMitarbeiter_->rowCount(); ++row)
        if (!ui_->DBGrid1->isRowHidden(row))
            lines.append(taMitarbeiter_->index(row, TextColumn()).data(Qt::EditRole).toString());
    return lines;
}

int TfoMitarbeiter::LastShownRow() const
{
    int row = taMitarbeiter_->rowCount() - 1;
    while (row >= 0 && ui_->DBGrid1->isRowHidden(row))
        --row;
    return row;
}

void TfoMitarbeiter::MoveTo(int row)
{
    const QModelIndex index = taMitarbeiter_->index(row, TextColumn());
    ui_->DBGrid1->setCurrentIndex(index);
    ui_->DBGrid1->scrollTo(index);
}

void TfoMitarbeiter::InsertLine()
{
    const QModelIndex current = ui_->DBGrid1->currentIndex();
    const int row = current.isValid() ? current.row() : taMitarbeiter_->rowCount();
    if (taMitarbeiter_->insertRow(row))
        MoveTo(row);
}

void TfoMitarbeiter::AppendLine()
{
    // Below a row marked for deletion, so the new line follows the last one shown.
    const int row = taMitarbeiter_->rowCount();
    if (taMitarbeiter_->insertRow(row))
        MoveTo(row);
}

void TfoMitarbeiter::DeleteLine()
{
    const int row = ui_->DBGrid1->currentIndex().row();
    if (row < 0 || ui_->DBGrid1->isRowHidden(row))
        return;
    const int rowsBefore = taMitarbeiter_->rowCount();
    if (!taMitarbeiter_->removeRow(row))
        return;
    // A line not yet stored leaves the model at once; a stored one stays in it,
    // marked for deletion, so the grid hides it until the table is read again.
    int next = row;
    if (taMitarbeiter_->rowCount() == rowsBefore) {
        ui_->DBGrid1->hideRow(row);
        ++next;
    }
    while (next < taMitarbeiter_->rowCount() && ui_->DBGrid1->isRowHidden(next))
        ++next;
    if (next >= taMitarbeiter_->rowCount())
        next = LastShownRow();
    if (next >= 0)
        MoveTo(next);
}

bool TfoMitarbeiter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->DBGrid1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() == Qt::Key_Insert && modifiers == Qt::NoModifier) {
            InsertLine();
            return true;
        }
        if (key->key() == Qt::Key_Delete && modifiers == Qt::ControlModifier) {
            DeleteLine();
            return true;
        }
        if (key->key() == Qt::Key_Down && modifiers == Qt::NoModifier) {
            // Down on the last line appends one, but never a second empty one.
            const int last = LastShownRow();
            const QModelIndex current = ui_->DBGrid1->currentIndex();
            if (current.isValid() && current.row() == last) {
                if (!taMitarbeiter_->index(last, TextColumn()).data(Qt::EditRole).toString().isEmpty())
                    AppendLine();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TfoMitarbeiter::StoreLines()
{
    // Closing stores too: a box then goes over the window still on the screen.
    QWidget* boxParent = parentWidget() && !isVisible() ? parentWidget() : this;
    // Moving the current cell away hands an open editor's text to the model.
    const QModelIndex current = ui_->DBGrid1->currentIndex();
    ui_->DBGrid1->setCurrentIndex(QModelIndex());

    // All lines in one transaction: on an error the stored lines stay as they
    // were and the grid keeps the edits, so the user can try again.
    if (const QString error = ReplaceEmployeeLines(db_, Lines()); !error.isEmpty()) {
        ui_->DBGrid1->setCurrentIndex(current);
        ShowErrorMessage(boxParent, error);
        return false;
    }
    OpenTable();
    if (const QString error = LoadEmployeeLines(db_, state_); !error.isEmpty()) {
        ShowErrorMessage(boxParent, error);
        return false;
    }
    return true;
}

void TfoMitarbeiter::buSpeichernClick()
{
    if (!db_.isOpen()) {
        ShowErrorMessage(this, QStringLiteral("No database: the employee lines cannot be stored."));
        return;
    }
    if (StoreLines())
        accept();
}

} // namespace zevo
