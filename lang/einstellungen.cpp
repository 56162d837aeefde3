#include "lang/einstellungen.h"

#include "lang/sprachen.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace zevo {

QString PortNameOf(int portNumber)
{
    if (portNumber < 1 || portNumber > 8)
        return {};
    return QStringLiteral("COM%1:").arg(portNumber);
}

QByteArray SettingsBytes(const Einstellungen& einstellungen)
{
    QByteArray bytes(SettingsFileSize, '\0');
    for (int i = 0; i < SettingsFieldCount; ++i)
        qToLittleEndian<std::int32_t>(einstellungen.Field[i], bytes.data() + 4 * i);
    return bytes;
}

bool SettingsFromBytes(QByteArrayView bytes, Einstellungen& einstellungen)
{
    if (bytes.size() != SettingsFileSize)
        return false;
    for (int i = 0; i < SettingsFieldCount; ++i)
        einstellungen.Field[i] = qFromLittleEndian<std::int32_t>(bytes.data() + 4 * i);
    return true;
}

namespace {

SettingsLoadResult ReadSettingsFile(Einstellungen& einstellungen, const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {SettingsFileState::Missing, QStringLiteral("No settings file \"%1\"; the defaults apply.").arg(path)};
    if (!file.open(QIODevice::ReadOnly))
        return {SettingsFileState::Unreadable,
                QStringLiteral("The settings file \"%1\" cannot be read (%2); the defaults apply.").arg(path, file.errorString())};
    // One byte more than needed tells a long file from a sound one.
    const QByteArray bytes = file.read(SettingsFileSize + 1);
    if (bytes.size() != SettingsFileSize && file.error() != QFileDevice::NoError)
        return {SettingsFileState::Unreadable,
                QStringLiteral("The settings file \"%1\" cannot be read (%2); the defaults apply.").arg(path, file.errorString())};
    if (!SettingsFromBytes(bytes, einstellungen))
        return {SettingsFileState::WrongSize,
                QStringLiteral("The settings file \"%1\" is not %2 bytes long; the defaults apply.").arg(path).arg(SettingsFileSize)};
    return {SettingsFileState::Loaded, {}};
}

}  // namespace

SettingsLoadResult LoadSettings(Settings& settings, const QString& path)
{
    auto& field = settings.einstellungen.Field;
    for (int f : {StartScreen, PrintMode, CleanupInterval, VehicleTypeField, RegistrationGroup})
        field[f] = 1;

    Einstellungen read = settings.einstellungen;
    const SettingsLoadResult result = ReadSettingsFile(read, path);
    if (result.state == SettingsFileState::Loaded) {
        settings.einstellungen = read;
        const QString port = PortNameOf(field[SerialPort]);
        if (!port.isEmpty())
            settings.PortName = port;
    }

    settings.Sprache = LimitSprache(field[Language]);
    if (field[VehicleTypeField] < 1)
        field[VehicleTypeField] = 1;
    return result;
}

QString SaveSettings(Settings& settings, const QString& path)
{
    settings.einstellungen.Field[Language] = settings.Sprache;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("The settings file \"%1\" cannot be written: %2").arg(path, file.errorString());
    const QByteArray bytes = SettingsBytes(settings.einstellungen);
    // flush() before commit(): a full disk would otherwise only show when the
    // buffered bytes are written, and commit() could put a cut file in place.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return QStringLiteral("The settings file \"%1\" cannot be written: %2").arg(path, file.errorString());
    return {};
}

}  // namespace zevo
