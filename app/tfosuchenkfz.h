#pragma once
// The vehicle search "Suchen KFZ": the user types the beginning of a
// registration, the list of vehicles jumps to the nearest one, and Enter or a
// click on a row returns that registration. Created once at start, shown
// modally by the archive search.

#include <QDialog>
#include <QSqlDatabase>
#include <QString>
#include <memory>

class QModelIndex;

namespace Ui {
class TfoSuchenKFZ;
}

namespace zevo {

class WindowedModel;

class TfoSuchenKFZ : public QDialog {
    Q_OBJECT

  public:
    explicit TfoSuchenKFZ(const QSqlDatabase& db, QWidget* parent = nullptr);
    ~TfoSuchenKFZ() override;

    // Shows the window modally and returns the chosen registration; empty
    // when the window was closed without a choice.
    QString Execute();
    // The registration chosen at the last showing, empty when none was.
    const QString& SelectedKennzeichen() const { return selectedKennzeichen_; }

    void ApplyLanguage(int sprache);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

  private:
    void OpenList();
    void SetColumnTitles();
    void MoveToRow(int row);
    void edKennzKeyUp(int key);
    void DBGrid1CellClick(const QModelIndex& index);
    void Choose(int row);

    std::unique_ptr<Ui::TfoSuchenKFZ> ui_;
    QSqlDatabase db_;
    WindowedModel* takfz_; // read a page at a time: a workshop may know a hundred thousand vehicles
    QString selectedKennzeichen_;
    int sprache_ = 1;
};

} // namespace zevo
