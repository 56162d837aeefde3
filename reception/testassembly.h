#pragma once
// Collects the frames of one vehicle test into the print-data and curve-data
// texts, picks registration, mileage, inspection dates and order number out of
// fixed report lines (PrintLineFields), and stores the finished test as a new
// untouched row.
// Storing goes through a callback (one database transaction per row); a test
// that could not be stored waits in a queue and is retried before the next one,
// so nothing received is lost.

#include "graphics/curvedata.h"
#include "lang/einstellungen.h"
#include "records/messungrow.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <array>
#include <deque>
#include <functional>

namespace zevo {

struct StoreResult {
    bool Stored = false;  // the row is in the table, whole
    qint64 Id = 0;        // the new row's Id when stored
    QString Error;        // for the user when not stored
};

struct ReceptionHooks {
    // Stores one row in one transaction. Without it every test stays pending.
    std::function<StoreResult(const MessungRow&)> store;
    // A test was stored; printAtOnce when the settings say "Sofort Drucken".
    std::function<void(qint64 id, bool printAtOnce)> stored;
    // A test could not be stored; it stays pending.
    std::function<void(const QString& error)> storeFailed;
    // Date and time of storing, and the century of inspection dates.
    std::function<QDateTime()> clock;
    // Read when a test is stored (field PrintMode); may stay null.
    const Einstellungen* settings = nullptr;
};

// The fields of a stored row that the test stand's print lines carry: the
// order number from the line "AUFTRAG", and registration, mileage and
// inspection dates from the 10 lines after "FAHRZ.TYP". Reception hands it
// every print line as it arrives; RowFieldsOfPrintData the lines of a stored
// print-data text.
class PrintLineFields {
public:
    void Clear();

    // The next print line, as its frame carried it (at most 16 bytes).
    void Take(QByteArrayView line);

    int LineCount() const { return m_lineCount; }  // print lines taken since Clear()
    const QByteArray& OrderNumber() const { return m_orderNumber; }
    const QByteArray& VehicleLine(int index) const { return m_vehicleLines[index - 1]; }  // 1..10

    // Kennzeichen, AuftragsNr, Km, HU and AU of the row; the inspection dates
    // take the first three digits of their year from currentYear.
    void FillRow(MessungRow& row, int currentYear) const;

private:
    int m_lineCount = 0;
    bool m_vehicleBlockActive = false;
    int m_vehicleBlockStart = 0;
    std::array<QByteArray, 10> m_vehicleLines;  // the 10 lines after "FAHRZ.TYP"
    QByteArray m_orderNumber;
};

// Kennzeichen, AuftragsNr, Km, HU and AU as reception would store them had the
// test stand sent this print-data text (CR LF lines): block codes "$XX" and
// " Optionen " are no print lines, and a print line ends where its frame
// would end it (16 bytes, or a 0 byte before).
MessungRow RowFieldsOfPrintData(QByteArrayView printData, int currentYear);

class TestAssembly {
public:
    explicit TestAssembly(ReceptionHooks hooks);

    // Empties the collected test (the curve table is left as it is).
    void ResetTestData();

    // Stores the tests that are still pending after a failed store, oldest
    // first; stops at the first failure. Returns whether none is left.
    bool RetryPending();

    // "MM.YYY" + year digit from the month columns m, m+1 and the year-digit
    // column y (1-based) of a report line; empty when the month columns are
    // blank. The first three digits of the year come from currentYear.
    static QString InspectionDate(QByteArrayView line, int m, int y, int currentYear);

    const QByteArray& Druckdaten() const { return m_druckdaten; }
    const QByteArray& Grafikdaten() const { return m_grafikdaten; }
    int PrintLineCount() const { return m_fields.LineCount(); }
    const QByteArray& OrderNumber() const { return m_fields.OrderNumber(); }
    const QByteArray& VehicleLine(int index) const { return m_fields.VehicleLine(index); }  // 1..10
    const CurveData& Curves() const { return m_curveData; }
    qsizetype PendingCount() const { return static_cast<qsizetype>(m_pending.size()); }
    const std::deque<MessungRow>& Pending() const { return m_pending; }  // oldest first

private:
    // The frame handlers, called by TestReception's DispatchFrame; `frame`
    // starts with 0x02 and the type byte and holds the whole frame.
    friend class TestReception;
    void StorePrintLine(const uchar* frame);
    void StoreBlockCode(const uchar* frame);
    void StoreOptionsLine(const uchar* frame);
    void StoreCurveBlock(const uchar* frame);
    void FinishTest(const uchar* frame);
    void DropFrame(const uchar* frame);

    MessungRow CollectedRow() const;

    ReceptionHooks m_hooks;

    QByteArray m_druckdaten;   // print-data text being collected, CR LF lines
    QByteArray m_grafikdaten;  // curve-data text being collected, 33-line blocks
    PrintLineFields m_fields;  // counts the print lines since the last stored test
    CurveData m_curveData;     // curves of the test being received, not the one on display
    CurveChannel m_blockValues{};  // one block's values, before it goes into the table
    std::deque<MessungRow> m_pending;  // finished tests not yet stored
};

}  // namespace zevo
