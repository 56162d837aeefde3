#pragma once
// The employee lines window "Mitarbeiter Text erfassen": the rows of the table
// Mitarbeiter in a grid, numbered as the test stand numbers its employees.
// Edits stay in the grid until "Speichern" stores them all at once, or the
// window is closed: the lines typed are kept then too. Shown non-modally.
//
// Rows: Insert (or "Zeile einfügen") puts an empty line above the current one,
// Down on the last line appends one (unless that line is still empty), and
// Ctrl+Delete (or "Zeile löschen") removes the current line. Inserting or
// removing a line renumbers the lines after it once stored.

#include <QDialog>
#include <QSqlDatabase>
#include <QStringList>
#include <memory>

class QSqlTableModel;

namespace Ui {
class TfoMitarbeiter;
}

namespace zevo {

struct ProgramState;

class TfoMitarbeiter : public QDialog {
    Q_OBJECT

  public:
    TfoMitarbeiter(ProgramState& state, const QSqlDatabase& db, QWidget* parent = nullptr);
    ~TfoMitarbeiter() override;

    void ApplyLanguage(int sprache);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OpenTable();
    QStringList Lines() const; // the lines as the grid shows them, in order
    int TextColumn() const;
    int LastShownRow() const; // -1 when no line is shown
    void MoveTo(int row);
    void InsertLine();
    void AppendLine();
    void DeleteLine();
    // Every line the grid shows into the table, in one transaction, and the
    // lines in memory reloaded. Whether it worked (a message box says why not).
    bool StoreLines();
    void buSpeichernClick();

    std::unique_ptr<Ui::TfoMitarbeiter> ui_;
    ProgramState& state_;
    QSqlDatabase db_;
    QSqlTableModel* taMitarbeiter_;
};

} // namespace zevo
