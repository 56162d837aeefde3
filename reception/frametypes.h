#pragma once
// The frames the test stand sends: 0x02, a type byte, then a payload whose
// length is fixed by the type. There is no length field and no checksum, so the
// type byte alone tells where the next frame starts.

#include <QByteArrayView>
#include <QtGlobal>

namespace zevo {

inline constexpr quint8 FrameStart = 0x02;

enum class FrameType : quint8 {
    Status = 4,        // sent while idle, often enough that two follow each other
    PrintLine = 5,     // 16 bytes of one report line, 0-padded
    Options = 6,       // 128 bytes of an options block (content unused)
    EndOfTest = 7,     // no payload
    Unused8 = 8,       // no payload
    Unused9 = 9,       // no payload
    Unused10 = 10,     // 1 byte, unused
    CurveBlock = 165,  // channel byte and 510 sample bytes
    BlockCode = 231,   // 1 byte: code of the report section that follows
};

inline constexpr int PrintLinePayload = 16;   // bytes of a type-5 payload
inline constexpr int OptionsPayload = 128;    // bytes of a type-6 payload
inline constexpr int CurveFrameSamples = 510; // sample bytes of a type-165 frame
inline constexpr int StatusFrameLength = 10;

// How the print-data text holds the frames that are no print lines: a type-231
// frame as "$" and its code in two upper-case hex digits, a type-6 frame as
// the line " Optionen ".
inline bool IsBlockCodeLine(QByteArrayView line)
{
    auto upperHex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    return line.size() == 3 && line[0] == '$' && upperHex(line[1]) && upperHex(line[2]);
}
inline constexpr char OptionsLine[] = " Optionen ";

// Length of a frame of this type, both header bytes included; 0 for a byte
// that is no frame type.
constexpr int FrameLength(quint8 type)
{
    switch (static_cast<FrameType>(type)) {
    case FrameType::Status:
        return StatusFrameLength;
    case FrameType::PrintLine:
        return 2 + PrintLinePayload;
    case FrameType::Options:
        return 2 + OptionsPayload;
    case FrameType::EndOfTest:
    case FrameType::Unused8:
    case FrameType::Unused9:
        return 2;
    case FrameType::Unused10:
    case FrameType::BlockCode:
        return 3;
    case FrameType::CurveBlock:
        return 3 + CurveFrameSamples;
    }
    return 0;
}

}  // namespace zevo
