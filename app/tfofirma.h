#pragma once
// The company address window "Firmen Anschrift": the eight address lines
// printed at the head of every report, kept in "Params.ini". Shown non-modally.

#include <QDialog>
#include <QLineEdit>
#include <array>
#include <memory>

namespace Ui {
class TfoFirma;
}

namespace zevo {

struct ProgramState;

class TfoFirma : public QDialog {
    Q_OBJECT

  public:
    explicit TfoFirma(ProgramState& state, QWidget* parent = nullptr);
    ~TfoFirma() override;

    void ApplyLanguage(int sprache);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::array<QLineEdit*, 8> Edits() const; // Edit1 .. Edit8, address lines 0 .. 7
    void FormShow();
    void Button1Click();

    std::unique_ptr<Ui::TfoFirma> ui_;
    ProgramState& state_;
};

} // namespace zevo
