// Fuzz target of the settings file "ZEVO_Assistant.ini": the input is the
// file. It is loaded as the main window loads it at start, the settings are
// used the way the program uses them (texts, port name, limit records), saved
// as the settings dialog saves them, and loaded again, which must give the
// same settings.

#include "decode/limitsets.h"
#include "fuzz/fuzzsupport.h"
#include "lang/einstellungen.h"
#include "lang/sprachen.h"

using namespace zevo;
using zevo::fuzz::Require;

namespace {

bool operator==(const Settings& a, const Settings& b)
{
    return a.einstellungen.Field == b.einstellungen.Field && a.Sprache == b.Sprache && a.PortName == b.PortName;
}

void UseSettings(const Settings& settings)
{
    const auto& field = settings.einstellungen.Field;
    Require(settings.Sprache >= 1 && settings.Sprache <= LanguageCount, "the language is one of the three");
    Require(field[VehicleTypeField] >= 1, "the vehicle type is at least 1");
    Require(settings.PortName.isEmpty() || settings.PortName == PortNameOf(field[SerialPort]),
            "the port name is the stored port's");
    TextOf(0, settings.Sprache);
    EuLimits(field[Language]);
    PolishLimits(field[RegistrationGroup], field[VehicleTypeField]);
    RussianLimits(field[VehicleTypeField]);
    PolishVehicleTypeNames(field[RegistrationGroup], field[Language]);
    RegistrationGroupText(field[RegistrationGroup]);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    fuzz::MakeCoreApplication((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzz::ScratchPath(QString::fromLatin1(SettingsFileName));
    fuzz::WriteWholeFile(path, data, size);

    Settings settings;
    const SettingsLoadResult loaded = LoadSettings(settings, path);
    Require((loaded.state == SettingsFileState::Loaded) == (size == size_t(SettingsFileSize)),
            "a file is loaded exactly when it has 32 bytes");
    Require(loaded.state == SettingsFileState::Loaded || !loaded.message.isEmpty(), "a file not loaded is told");
    UseSettings(settings);

    Require(SaveSettings(settings, path).isEmpty(), "the settings can be saved");
    Settings again;
    Require(LoadSettings(again, path).state == SettingsFileState::Loaded, "saved settings load");
    Require(again == settings, "saved settings load as they were");
    return 0;
}
