// Fuzz target of reception: the input is what the serial line delivers. It
// reaches the receive timer in chunks of 0 to 96 bytes (what a 100 ms tick
// finds at 9600 baud), goes through the framing and the test assembly, and
// every finished test is stored in an in-memory SQLite database through the
// program's own store hook.
//
// Now and then the database refuses a test. Besides crashes, undefined
// behaviour and leaks it checks what the rest of the program relies on: a
// refused test is stored later and none is lost; a stored row reads back
// unchanged; the test stand's side (teststandframes) can send every stored
// test again, and receiving that stream stores the same texts, with the
// fields zevo-tool takes from a stored text (RowFieldsOfPrintData).

#include "fuzz/fuzzsupport.h"
#include "reception/capturesource.h"
#include "reception/databasestore.h"
#include "reception/testreception.h"
#include "reception/teststandframes.h"
#include "records/database.h"
#include "records/messungentable.h"

#include <QSqlQuery>
#include <cstring>
#include <vector>

using namespace zevo;
using zevo::fuzz::Require;

namespace {

constexpr quint32 MaxChunk = 96;

// The fuzz input as the serial port: each read hands out the next chunk, its
// size drawn from a generator seeded by the input, so one input always
// arrives the same way.
class FuzzLine final : public ByteSource {
public:
    FuzzLine(const uint8_t* data, size_t size) : m_data(data), m_size(size)
    {
        for (size_t i = 0; i < size; ++i)  // FNV-1a
            m_state = (m_state ^ data[i]) * 1099511628211ull;
        m_state |= 1;
        NextChunk();
    }

    bool AtEnd() const { return m_position >= m_size; }

    // True once in `n` calls, drawn from the same generator.
    bool OneIn(quint64 n) { return Next() % n == 0; }

    quint32 BytesWaiting() override { return static_cast<quint32>(std::min<size_t>(m_chunk, m_size - m_position)); }

    quint32 Read(char* buffer, quint32 capacity) override
    {
        if (capacity == 0)
            return 0;
        const quint32 n = std::min(BytesWaiting(), capacity - 1);
        std::memcpy(buffer, m_data + m_position, n);
        buffer[n] = 0;
        m_position += n;
        NextChunk();
        return n;
    }

private:
    quint64 Next()
    {
        m_state ^= m_state << 13;  // xorshift64
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state;
    }

    void NextChunk() { m_chunk = static_cast<quint32>(Next() % (MaxChunk + 1)); }

    const uint8_t* m_data;
    size_t m_size;
    size_t m_position = 0;
    quint64 m_state = 14695981039346656037ull;
    quint32 m_chunk = 0;
};

QSqlDatabase Database()
{
    static const QSqlDatabase db = [] {
        const DbResult<QSqlDatabase> opened = OpenDatabase(QStringLiteral(":memory:"), QStringLiteral("fuzz"));
        Require(opened.ok(), "the in-memory database opens");
        return opened.value();
    }();
    return db;
}

struct StoredTest {
    qint64 id;
    MessungRow row;
};

// The test stand sends the stored test again; reception must store the same texts.
void CheckSentAgain(const MessungRow& row)
{
    const TestStandStream stream = EncodeTestStandStream(row.Druckdaten, row.Grafikdaten);
    Require(stream.error.isEmpty(), "every stored test can be sent again");

    std::vector<MessungRow> again;
    ReceptionHooks hooks;
    hooks.store = [&again](const MessungRow& r) {
        again.push_back(r);
        return StoreResult{true, qint64(again.size()), {}};
    };
    hooks.clock = fuzz::FixedClock;
    CaptureSource source(stream.bytes);
    TestReception reception(source, std::move(hooks));
    while (!source.AtEnd())
        reception.Timer1Timer();
    // Sent again, block-code-like print lines become block codes and lines
    // holding CR LF become two, so the count of print lines can change and
    // with it whether the end-of-test frame stores anything.
    if (again.empty())
        return;
    Require(again.size() == 1, "a test sent again is stored once");
    Require(again[0].Druckdaten == row.Druckdaten, "print data sent again is stored unchanged");
    Require(again[0].Grafikdaten == row.Grafikdaten, "curve data sent again is stored unchanged");

    const MessungRow fields = RowFieldsOfPrintData(row.Druckdaten, fuzz::FixedClock().date().year());
    Require(fields.Kennzeichen == again[0].Kennzeichen && fields.AuftragsNr == again[0].AuftragsNr &&
                fields.Km == again[0].Km && fields.HU == again[0].HU && fields.AU == again[0].AU,
            "the row fields of a stored text are those reception stores");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    fuzz::MakeCoreApplication((*argv)[0]);
    Database();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QSqlDatabase db = Database();
    QSqlQuery(db).exec(QStringLiteral("DELETE FROM Messungen"));

    FuzzLine line(data, size);
    std::vector<StoredTest> stored;
    bool mayRefuse = true;
    ReceptionHooks hooks;
    hooks.store = [&](const MessungRow& row) {
        // Now and then SQLite itself refuses to write, as a locked or full
        // database would: the test must wait and be stored with the next one.
        const bool refuse = mayRefuse && line.OneIn(4);
        QSqlQuery(db).exec(QStringLiteral("PRAGMA query_only = %1").arg(refuse ? 1 : 0));
        const StoreResult result = DatabaseStore(db)(row);
        QSqlQuery(db).exec(QStringLiteral("PRAGMA query_only = 0"));
        Require(result.Stored != refuse, "the database stores a test unless it refuses");
        if (result.Stored)
            stored.push_back({result.Id, row});
        return result;
    };
    hooks.clock = fuzz::FixedClock;

    TestReception reception(line, std::move(hooks));
    while (!line.AtEnd())
        reception.Timer1Timer();
    // Once the database works again, every test that had to wait is stored.
    mayRefuse = false;
    Require(reception.Assembly().RetryPending() && reception.Assembly().PendingCount() == 0,
            "no received test is lost");

    for (const StoredTest& test : stored) {
        const DbResult<std::optional<MessungRow>> read = ReadTest(db, test.id);
        Require(read.ok() && read.value().has_value(), "a stored test can be read");
        MessungRow expected = test.row;
        expected.Id = test.id;
        Require(*read.value() == expected, "a stored test reads back as it was stored");
        CheckSentAgain(test.row);
    }
    return 0;
}
