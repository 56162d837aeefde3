#pragma once
// The basic settings of the program: eight 32-bit integers kept, little-endian
// and without a header, in the 32-byte file "ZEVO_Assistant.ini" in the working
// directory. The language number and the port name are kept beside them.

#include <QString>
#include <array>
#include <cstdint>

namespace zevo {

inline constexpr const char* SettingsFileName = "ZEVO_Assistant.ini";
inline constexpr int SettingsFieldCount = 8;
inline constexpr int SettingsFileSize = SettingsFieldCount * 4;  // bytes

// Index of each field in Einstellungen; every value is a 1-based choice.
enum SettingsField : int {
    StartScreen = 0,        // 1..4: start tab (stored and restored only)
    PrintMode = 1,          // 1 "Sofort Drucken", 2 "Nach Bestätigung"
    CleanupInterval = 2,    // 1 daily, 2 weekly, 3 monthly deletion of untouched tests
    SerialPort = 3,         // 1..8 for "COM1:" .. "COM8:"
    Language = 4,           // 1 German, 2 English, 3 French
    VehicleTypeField = 5,   // 1..6: car, lorry, bus, motorcycle, tractor, trailer
    RegistrationGroup = 6,  // 1 registered from 1 July 1999, 2 up to 30 June 1999
    Plates = 7,             // 2 or 4 roller plates
};

inline constexpr int PrintAtOnce = 1;  // value of PrintMode: print each new test

struct Einstellungen {
    std::array<std::int32_t, SettingsFieldCount> Field{};  // 0 until read
};

// Everything the settings file and the settings dialog decide, as the program
// keeps it in memory: the record, the language in force and the port name.
struct Settings {
    Einstellungen einstellungen;
    int Sprache = 1;   // 1..3
    QString PortName;  // "COM1:" .. "COM8:", empty until the file or the dialog sets it
};

enum class SettingsFileState {
    Loaded,      // the 32 bytes were read
    Missing,     // no file: the defaults stay
    WrongSize,   // shorter or longer than 32 bytes: the defaults stay
    Unreadable,  // it exists but could not be opened or read: the defaults stay
};

struct SettingsLoadResult {
    SettingsFileState state = SettingsFileState::Missing;
    QString message;  // for the user, empty when Loaded
};

// "COM1:" .. "COM8:" for 1..8, empty for anything else.
QString PortNameOf(int portNumber);

// Sets the defaults (fields 0, 1, 2, 5 and 6 to 1), reads the file when it is
// sound, sets PortName from a port number 1..8 (otherwise PortName keeps its
// value), limits Sprache to 1..3 from field 4 and raises field 5 to at least 1.
SettingsLoadResult LoadSettings(Settings& settings, const QString& path = SettingsFileName);

// Stores Sprache into field 4 and writes the 32 bytes. The old file is
// replaced only once the new one is written whole. Returns an error text for
// the user, empty on success.
QString SaveSettings(Settings& settings, const QString& path = SettingsFileName);

// The 32-byte image of the record, and back (nothing when the size is wrong).
QByteArray SettingsBytes(const Einstellungen& einstellungen);
bool SettingsFromBytes(QByteArrayView bytes, Einstellungen& einstellungen);

}  // namespace zevo
