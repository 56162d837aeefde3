#pragma once
// The settings window "Grundeinstellungen": printing mode, clean-up of old
// untouched tests, serial port, language, first-registration group and
// plates. Created once at start (its creation reads the settings file, so the
// settings are in memory before the main window shows) and shown non-modally.

#include "lang/einstellungen.h"

#include <QDialog>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

class QRadioButton;

namespace Ui {
class TfoGrundeinstellung;
}

namespace zevo {

struct ProgramState;

class TfoGrundeinstellung : public QDialog {
    Q_OBJECT

  public:
    explicit TfoGrundeinstellung(ProgramState& state, QWidget* parent = nullptr,
                                 const QString& settingsPath = SettingsFileName);
    ~TfoGrundeinstellung() override;

    // Reads the settings file into the program's settings and this window:
    // radio buttons, language choice, vehicle types, and which choices the
    // limit set in force shows. A missing file keeps the defaults silently;
    // a damaged one is reported once.
    void LoadSettings();
    // Takes the checked radio buttons into the settings and writes the file.
    // False (and the user told why) when the file could not be written.
    bool SaveSettings();
    // Refills the vehicle-type choice for the limit set in force.
    void FillVehicleTypes();
    // This window's texts in the current language, the language choice and
    // the vehicle types.
    void ApplyLanguage();

    const QString& settingsPath() const { return settingsPath_; }

  signals:
    // "OK" or "Übernehmen" took the settings: the program applies the language
    // to every window and closes and reopens the serial port with PortName.
    // Also sent when the file could not be written, since the choices are in
    // force in memory all the same.
    void settingsApplied();
    // The window is being shown: the main window applies the language to the
    // rest of the program.
    void languageApplyRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // One settings field and the radio buttons that choose its values.
    struct Choice {
        SettingsField field;
        std::vector<std::pair<QRadioButton*, int>> buttons; // button, value it stands for
    };

    bool StoreAndApply(); // false when the file could not be written
    void FillLanguageChoice();
    void cbSpracheChange(int index);
    void cbEuPlChange(int index);
    void Button1Click();
    void Button2Click();

    std::unique_ptr<Ui::TfoGrundeinstellung> ui_;
    ProgramState& state_;
    QString settingsPath_;
    std::vector<Choice> choices_;
    QString reportedLoadError_; // the damaged-file message already shown, so start-up shows it once
};

} // namespace zevo
