#include "app/tfogrundeinstellung.h"

#include "app/errormessage.h"
#include "app/programstate.h"
#include "decode/limitsets.h"
#include "lang/sprachen.h"
#include "ui_tfogrundeinstellung.h"

#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace zevo {

namespace {

// Text ids of the language names: 245 German, 246 English, 247 French. Id 244
// is the caption of the language group.
constexpr int LanguageNamesId = 245;
constexpr int LanguageGroupId = 244;

} // namespace

TfoGrundeinstellung::TfoGrundeinstellung(ProgramState& state, QWidget* parent, const QString& settingsPath)
    : QDialog(parent), ui_(std::make_unique<Ui::TfoGrundeinstellung>()), state_(state), settingsPath_(settingsPath)
{
    ui_->setupUi(this);

    choices_ = {
        {StartScreen, {{ui_->RadioButton1, 1}, {ui_->RadioButton2, 2}, {ui_->RadioButton3, 3}, {ui_->RadioButton4, 4}}},
        {PrintMode, {{ui_->RadioButton5, 1}, {ui_->RadioButton6, 2}}},
        {CleanupInterval, {{ui_->RadioButton7, 1}, {ui_->RadioButton8, 2}, {ui_->RadioButton9, 3}}},
        {SerialPort,
         {{ui_->RadioButton10, 1},
          {ui_->RadioButton11, 2},
          {ui_->RadioButton12, 3},
          {ui_->RadioButton13, 4},
          {ui_->RadioButton16, 5},
          {ui_->RadioButton17, 6},
          {ui_->RadioButton18, 7},
          {ui_->RadioButton19, 8}}},
        {Plates, {{ui_->RadioButton14, 2}, {ui_->RadioButton15, 4}}},
    };

    connect(ui_->cbSprache, &QComboBox::currentIndexChanged, this, &TfoGrundeinstellung::cbSpracheChange);
    connect(ui_->cbEuPl, &QComboBox::currentIndexChanged, this, &TfoGrundeinstellung::cbEuPlChange);
    connect(ui_->Button1, &QPushButton::clicked, this, &TfoGrundeinstellung::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &TfoGrundeinstellung::Button2Click);
    connect(ui_->Button3, &QPushButton::clicked, this, &QDialog::reject);

    LoadSettings();
}

TfoGrundeinstellung::~TfoGrundeinstellung() = default;

void TfoGrundeinstellung::showEvent(QShowEvent* event)
{
    // Only a real showing re-reads the file, not a restore from the task bar.
    if (!event->spontaneous()) {
        LoadSettings();
        ApplyLanguage();
        emit languageApplyRequested();
    }
    QDialog::showEvent(event);
}

void TfoGrundeinstellung::LoadSettings()
{
    auto& field = state_.settings.einstellungen.Field;
    const SettingsLoadResult result = zevo::LoadSettings(state_.settings, settingsPath_);
    if (result.state == SettingsFileState::Loaded || result.state == SettingsFileState::Missing) {
        reportedLoadError_.clear();
    } else if (result.message != reportedLoadError_) {
        // The file is read at creation and again when the main window shows:
        // one message for the same damage is enough.
        reportedLoadError_ = result.message;
        ShowErrorMessage(this, result.message);
    }

    if (result.state == SettingsFileState::Loaded) {
        // A value outside a group's list checks nothing, so the group keeps
        // the button it had.
        for (const Choice& choice : choices_)
            for (const auto& [button, value] : choice.buttons)
                if (field[choice.field] == value)
                    button->setChecked(true);
    }

    FillLanguageChoice();
    {
        // The group choice shows the group in force, not its design-time entry.
        const QSignalBlocker blocker(ui_->cbEuPl);
        ui_->cbEuPl->setCurrentIndex(std::clamp(field[RegistrationGroup], 1, PolishGroupCount) - 1);
    }
    FillVehicleTypes();

    const bool polish = state_.limitSet == LimitSet::Pl;
    const bool typed = polish || state_.limitSet == LimitSet::Rus;
    ui_->cbEuPl->setVisible(polish);
    ui_->Label1->setVisible(polish);
    ui_->cbFahrzeugtyp->setVisible(typed);
    ui_->Label2->setVisible(typed);
}

bool TfoGrundeinstellung::SaveSettings()
{
    auto& field = state_.settings.einstellungen.Field;
    for (const Choice& choice : choices_)
        for (const auto& [button, value] : choice.buttons)
            if (button->isChecked())
                field[choice.field] = value;
    if (const QString port = PortNameOf(field[SerialPort]); !port.isEmpty())
        state_.settings.PortName = port;

    const QString error = zevo::SaveSettings(state_.settings, settingsPath_);
    if (!error.isEmpty()) {
        ShowErrorMessage(this, error);
        return false;
    }
    return true;
}

void TfoGrundeinstellung::FillVehicleTypes()
{
    const auto& field = state_.settings.einstellungen.Field;
    QComboBox* combo = ui_->cbFahrzeugtyp;
    const QSignalBlocker blocker(combo);
    switch (state_.limitSet) {
    case LimitSet::Pl:
        combo->clear();
        combo->addItems(PolishVehicleTypeNames(field[RegistrationGroup], state_.settings.Sprache));
        combo->setCurrentIndex(std::clamp(field[VehicleTypeField], 1, PolishTypeCount) - 1);
        break;
    case LimitSet::Rus:
        combo->clear();
        combo->addItems(RussianVehicleTypeNames());
        // The class that judges the vehicle type (a tractor or trailer counts as N2).
        combo->setCurrentIndex(static_cast<int>(&RussianLimits(field[VehicleTypeField]) - LimitsRus));
        break;
    case LimitSet::Eu:
        break; // the choice is hidden
    }
}

void TfoGrundeinstellung::FillLanguageChoice()
{
    const int sprache = LimitSprache(state_.settings.Sprache);
    QComboBox* combo = ui_->cbSprache;
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (int id = LanguageNamesId; id < LanguageNamesId + LanguageCount; ++id)
        combo->addItem(TextOf(id, sprache));
    // Entry Sprache - 1 is the language's own name, TextOf(244 + Sprache, Sprache).
    combo->setCurrentIndex(sprache - 1);
}

void TfoGrundeinstellung::ApplyLanguage()
{
    const int sprache = LimitSprache(state_.settings.Sprache);
    setWindowTitle(TextOf(77, sprache));
    for (const auto& [box, id] : {std::pair{ui_->GroupBox2, 78},
                                  {ui_->GroupBox3, 81},
                                  {ui_->GroupBox4, 192},
                                  {ui_->GroupBox5, LanguageGroupId}})
        box->setTitle(TextOf(id, sprache));
    for (const auto& [button, id] : {std::pair<QAbstractButton*, int>{ui_->RadioButton5, 79},
                                     {ui_->RadioButton6, 80},
                                     {ui_->RadioButton7, 82},
                                     {ui_->RadioButton8, 83},
                                     {ui_->RadioButton9, 84},
                                     {ui_->Button1, 85},
                                     {ui_->Button2, 86},
                                     {ui_->Button3, 87}})
        button->setText(TextOf(id, sprache));
    for (const auto& [label, id] : {std::pair{ui_->Label2, 236}, {ui_->Label1, 237}, {ui_->Label3, 242}})
        label->setText(TextOf(id, sprache));
    FillLanguageChoice();
    FillVehicleTypes();
}

void TfoGrundeinstellung::cbSpracheChange(int index)
{
    // In force at once; the texts follow at the next ApplyLanguage.
    if (index >= 0)
        state_.settings.Sprache = index + 1;
}

void TfoGrundeinstellung::cbEuPlChange(int index)
{
    if (index < 0)
        return;
    state_.settings.einstellungen.Field[RegistrationGroup] = index + 1;
    FillVehicleTypes();
}

bool TfoGrundeinstellung::StoreAndApply()
{
    const bool stored = SaveSettings();
    ApplyLanguage();
    emit settingsApplied();
    return stored;
}

void TfoGrundeinstellung::Button1Click()
{
    // A failed write keeps the window open under its message, so nothing
    // looks as if it had been stored.
    if (StoreAndApply())
        accept();
}

void TfoGrundeinstellung::Button2Click()
{
    StoreAndApply();
}

} // namespace zevo
