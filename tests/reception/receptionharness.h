#pragma once
// Reception fed from a recorded stream, storing into a vector, with a fixed clock (14.03.2026 10:20:30).

#include "reception/capturesource.h"
#include "reception/testreception.h"
#include "reception/teststandframes.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace zevo::testing {

struct ReceptionHarness {
    explicit ReceptionHarness(quint32 chunkSize = 96) : source({}, chunkSize), reception(source, Hooks()) {}

    ReceptionHooks Hooks()
    {
        ReceptionHooks hooks;
        hooks.store = [this](const MessungRow& row) {
            if (failStore)
                return StoreResult{false, 0, QStringLiteral("database is locked")};
            rows.push_back(row);
            return StoreResult{true, qint64(rows.size()) + 100, {}};
        };
        hooks.stored = [this](qint64 id, bool printAtOnce) {
            stored.push_back({id, printAtOnce});
            if (whenStored)
                whenStored();
        };
        hooks.storeFailed = [this](const QString& error) { errors << error; };
        hooks.clock = [] { return QDateTime(QDate(2026, 3, 14), QTime(10, 20, 30)); };
        hooks.settings = &settings;
        return hooks;
    }

    // Hands the bytes over tick by tick until all are read.
    void Feed(QByteArrayView bytes)
    {
        source.Append(bytes);
        while (!source.AtEnd())
            reception.Timer1Timer();
    }

    bool failStore = false;
    std::function<void()> whenStored;
    Einstellungen settings;
    std::vector<MessungRow> rows;
    std::vector<std::pair<qint64, bool>> stored;  // Id, print at once
    QStringList errors;
    CaptureSource source;
    TestReception reception;
};

inline QByteArray Status2() { return StatusFrame() + StatusFrame(); }

// Print-line frames "LINE first", "LINE first+1", ...
inline QByteArray NumberedLines(int n, int first = 1)
{
    QByteArray bytes;
    for (int i = first; i < first + n; ++i)
        bytes += PrintLineFrame("LINE " + QByteArray::number(i));
    return bytes;
}

}  // namespace zevo::testing
