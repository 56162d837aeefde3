#pragma once
// The report record: the text lines, brake table, suspension values and flags
// that the report page prints as they stand. Its bytes are also the company
// file "Params.ini", written and read as one 7,968-byte block, so the layout
// below is fixed to the byte and must never change.

#include <QByteArray>
#include <QByteArrayView>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace zevo {

inline constexpr int ReportLineCount = 72;     // LinesA / LinesB indices 0 .. 71
inline constexpr int ReportLineLength = 50;    // characters kept of a line
inline constexpr int BrakeKindCount = 3;       // 0 front axle "$00", 1 rear axle "$01", 2 parking brake "$10"
inline constexpr int BrakeColumnCount = 5;     // see BrakeColumn
inline constexpr int BrakeRowCount = 7;        // rows 1 .. 7
inline constexpr int SuspensionAxleCount = 3;  // 0 "$08", 1 "$09", 2 "$18"
inline constexpr int SuspensionTextLength = 5;
inline constexpr int ReportRecordSize = 7968;

enum BrakeColumn : int {
    Ratio = 0,        // braking ratio, % (motorcycles only)
    Left = 1,         // N
    DiffPercent = 2,  // left/right difference, %
    Pedal = 3,        // N, pedal force times the vehicle's pedal factor
    Right = 4,        // N
};

enum class ToeAxle { Front, Rear };

// One printed line: Windows-1252 bytes, zero-terminated, at most 50 characters.
using ReportLine = char[ReportLineLength + 1];

// A 6-byte short string: length byte, then at most 5 characters.
struct ShortText {
    std::uint8_t length;
    char chars[SuspensionTextLength];
};

struct ReportRecord {
    ReportLine LinesA[ReportLineCount];                                        // Windows-1252 text lines
    std::int32_t BrakeTable[BrakeKindCount][BrakeColumnCount][BrakeRowCount];  // [kind][column][row 1..7 at 0..6]
    ShortText Suspension[SuspensionAxleCount][2][3];                           // [axle][side 0 left, 1 right][row 0..2]
    ReportLine LinesB[ReportLineCount];                                        // Windows-1252 text lines
    char Unused[78];                                                           // kept as read from "Params.ini"
    std::uint8_t ToeFrontPresent;                                              // 0/1
    std::uint8_t ToeRearPresent;                                               // 0/1
    std::uint8_t ProfileFrontOk;                                               // 0/1
    std::uint8_t ProfileRearOk;                                                // 0/1
    std::uint8_t AbsPresent;                                                   // 0/1
    std::uint8_t RendererFlag;                                                 // the report page's own (offset 7955)
    std::uint8_t BrakeTestOk;                                                  // 0/1, "BREMSENTEST OK" printed
    std::uint8_t SpeedOk;                                                      // 0/1
    std::uint8_t BrakeNotOk;                                                   // 0/1
    std::uint8_t SpeedLow;                                                     // 0/1
    std::uint8_t BrakeChecked;                                                 // 0/1
    std::uint8_t RendererFlags[3];                                             // the report page's own (7961 .. 7963)
    std::int32_t RendererField;                                                // the report page's own (7964)

    // Line i as stored, up to its terminating zero.
    QByteArrayView LineA(int i) const;
    QByteArrayView LineB(int i) const;
    // Stores text (Windows-1252) as line i, cut at 50 characters; the rest of
    // the 51 bytes becomes zero so that "Params.ini" holds no stale bytes.
    void SetLineA(int i, QByteArrayView text);
    void SetLineB(int i, QByteArrayView text);

    // BrakeTable by row number 1 .. 7.
    std::int32_t& BrakeValue(int kind, BrakeColumn column, int row) { return BrakeTable[kind][column][row - 1]; }
    std::int32_t BrakeValue(int kind, BrakeColumn column, int row) const { return BrakeTable[kind][column][row - 1]; }

    QByteArrayView SuspensionText(int axle, int side, int row) const;
    void SetSuspensionText(int axle, int side, int row, QByteArrayView text);  // at most 5 characters kept
};

// The record is kept as its own file image: check every offset the file relies on.
static_assert(std::endian::native == std::endian::little, "Params.ini holds little-endian integers");
static_assert(sizeof(ShortText) == 6);
static_assert(sizeof(ReportRecord) == ReportRecordSize);
static_assert(offsetof(ReportRecord, LinesA) == 0);
static_assert(offsetof(ReportRecord, BrakeTable) == 3672);
static_assert(offsetof(ReportRecord, Suspension) == 4092);
static_assert(offsetof(ReportRecord, LinesB) == 4200);
static_assert(offsetof(ReportRecord, Unused) == 7872);
static_assert(offsetof(ReportRecord, ToeFrontPresent) == 7950);
static_assert(offsetof(ReportRecord, ToeRearPresent) == 7951);
static_assert(offsetof(ReportRecord, ProfileFrontOk) == 7952);
static_assert(offsetof(ReportRecord, ProfileRearOk) == 7953);
static_assert(offsetof(ReportRecord, AbsPresent) == 7954);
static_assert(offsetof(ReportRecord, RendererFlag) == 7955);
static_assert(offsetof(ReportRecord, BrakeTestOk) == 7956);
static_assert(offsetof(ReportRecord, SpeedOk) == 7957);
static_assert(offsetof(ReportRecord, BrakeNotOk) == 7958);
static_assert(offsetof(ReportRecord, SpeedLow) == 7959);
static_assert(offsetof(ReportRecord, BrakeChecked) == 7960);
static_assert(offsetof(ReportRecord, RendererFlags) == 7961);
static_assert(offsetof(ReportRecord, RendererField) == 7964);

// An all-zero record (what the program starts with when there is no "Params.ini").
ReportRecord EmptyReportRecord();

// The 7,968 bytes of the record, and back. A block of any other size is refused
// (false) and leaves the record unchanged.
QByteArray ReportRecordBytes(const ReportRecord& record);
bool ReportRecordFromBytes(QByteArrayView bytes, ReportRecord& record);

}  // namespace zevo
