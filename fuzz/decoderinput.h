#pragma once
// The layout of a fuzz input of the decoder, shared by fuzz_decoder and the
// seed corpus writer: five bytes of settings, the stored print-data text and,
// after the separator line, the stored curve-data text.
//
//   byte 0   limit set of the run: value mod 3 gives EU, Polish, Russian
//   byte 1   language number      (signed bytes: the settings file may hold
//   byte 2   vehicle-type setting  any number, and the decoder must cope)
//   byte 3   roller plates
//   byte 4   first-registration group

#include "decode/limitsets.h"
#include "lang/einstellungen.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace zevo::fuzz {

inline constexpr int DecoderHeaderSize = 5;
inline constexpr char CurveSeparator[] = "\n==curves==\n";

struct DecoderInput {
    LimitSet limitSet = LimitSet::Eu;
    Settings settings;
    QByteArrayView printData;
    QByteArrayView curveData;
};

// Nothing for an input shorter than the header.
inline std::optional<DecoderInput> SplitDecoderInput(QByteArrayView bytes)
{
    if (bytes.size() < DecoderHeaderSize)
        return std::nullopt;
    DecoderInput input;
    const auto header = [&bytes](int i) { return static_cast<int>(static_cast<signed char>(bytes[i])); };
    input.limitSet = static_cast<LimitSet>(static_cast<unsigned char>(bytes[0]) % 3);
    input.settings.Sprache = header(1);
    input.settings.einstellungen.Field[Language] = header(1);
    input.settings.einstellungen.Field[VehicleTypeField] = header(2);
    input.settings.einstellungen.Field[Plates] = header(3);
    input.settings.einstellungen.Field[RegistrationGroup] = header(4);
    const QByteArrayView texts = bytes.sliced(DecoderHeaderSize);
    const qsizetype separator = texts.indexOf(QByteArrayView(CurveSeparator));
    input.printData = separator < 0 ? texts : texts.first(separator);
    if (separator >= 0)
        input.curveData = texts.sliced(separator + qsizetype(sizeof CurveSeparator) - 1);
    return input;
}

inline QByteArray MakeDecoderInput(LimitSet limitSet, int sprache, int vehicleType, int plates, int group,
                                   QByteArrayView printData, QByteArrayView curveData)
{
    QByteArray bytes;
    for (int value : {static_cast<int>(limitSet), sprache, vehicleType, plates, group})
        bytes.append(static_cast<char>(value));
    bytes.append(printData);
    if (!curveData.isEmpty()) {
        bytes.append(CurveSeparator);
        bytes.append(curveData);
    }
    return bytes;
}

}  // namespace zevo::fuzz
