#include "reception/testreception.h"

#include "reception/frametypes.h"

#include <QScopedValueRollback>
#include <cstring>

namespace zevo {

TestReception::TestReception(ByteSource& source, ReceptionHooks hooks)
    : m_source(source), m_assembly(std::move(hooks)), m_receiveBuffer(std::make_unique<uchar[]>(ReceiveBufferSize))
{
    m_receiveBuffer[0] = 0;
}

QByteArrayView TestReception::ReceivedBytes() const
{
    return QByteArrayView(m_receiveBuffer.get() + m_start, m_receiveCount);
}

void TestReception::Timer1Timer()
{
    // Storing or printing a test may run a nested event loop (a dialog), in
    // which Timer1 fires again. That tick must not move the buffer under the
    // frame being handled; its bytes wait in the port for the next tick.
    if (m_inTick)
        return;
    const QScopedValueRollback<bool> inTick(m_inTick, true);

    MakeRoom();
    // New bytes go straight behind those waiting, followed by the 0 byte that
    // keeps FindSync from matching on bytes not yet received.
    const int room = ReceiveBufferSize - 1 - m_receiveCount;
    const auto capacity = static_cast<quint32>(qMin(ChunkSize, room + 1));
    uchar* end = Front() + m_receiveCount;
    const quint32 n = qMin(m_source.Read(reinterpret_cast<char*>(end), capacity), capacity - 1);
    if (n < 1)
        return;
    end[n] = 0;
    m_receiveCount = static_cast<quint16>(m_receiveCount + n);

    if (!m_inSync)
        FindSync();
    // Every complete frame whose next byte has also arrived is handled now; the
    // last frame of a burst waits for the next byte (normally a status frame).
    HandleFrames(1);
}

bool TestReception::LineEnded()
{
    if (m_inTick)
        return false;
    // Each tick takes at most a chunk; stop should the source not shrink.
    for (quint32 waiting = m_source.BytesWaiting(); waiting > 0;) {
        Timer1Timer();
        const quint32 left = m_source.BytesWaiting();
        if (left >= waiting)
            break;
        waiting = left;
    }
    const QScopedValueRollback<bool> inTick(m_inTick, true);
    HandleFrames(0);
    // What is left can never become a frame: the rest of it was lost with the
    // line. Kept, it would take the first bytes of the next line as its own.
    RemoveFrame(m_receiveCount);
    LoseSync();
    return true;
}

// Handles the frames at the buffer start that are complete and followed by
// at least bytesBeyond more received bytes.
void TestReception::HandleFrames(int bytesBeyond)
{
    while (m_inSync && m_receiveCount >= 2) {  // the type byte has arrived
        const quint8 type = Front()[1];
        const int length = FrameLength(type);
        if (length == 0) {
            LoseSync();  // the bytes stay; FindSync searches them next tick
            break;
        }
        if (length + bytesBeyond > m_receiveCount)
            break;
        DispatchFrame(type, length);
    }
}

void TestReception::MakeRoom()
{
    if (m_start > 0) {
        std::memmove(m_receiveBuffer.get(), Front(), m_receiveCount + 1);
        m_start = 0;
    }
    // In step the buffer never holds more than a frame and a chunk. Out of step
    // it only grows; FindSync has then searched every position up to
    // ReceiveCount - 12 on the ticks before, without finding two status frames.
    // Only the last 11 bytes can still begin such a pair, so they are all that
    // is kept when the next chunk would not fit.
    if (!m_inSync && ReceiveBufferSize - 1 - m_receiveCount < ChunkSize - 1) {
        const int keep = qMin<int>(m_receiveCount, 11);
        std::memmove(m_receiveBuffer.get(), Front() + m_receiveCount - keep, keep + 1);
        m_receiveCount = static_cast<quint16>(keep);
        m_syncSearched = 0;
    }
}

void TestReception::FindSync()
{
    if (m_receiveCount <= 30)
        return;
    // In step where two status frames (10 bytes each) follow each other. The 0
    // at index ReceiveCount stops a match on bytes not yet received.
    // Out of step the bytes only grow at the end, so a position searched with
    // all four of its bytes received never matches later: starting again from
    // 0 on every tick made a long stretch of noise cost the square of its
    // length (170 ms for 1 MiB replayed in 96-byte chunks, now under 1 ms).
    const uchar* buffer = Front();
    for (int i = m_syncSearched; i + 11 <= m_receiveCount; ++i) {
        if (buffer[i] == FrameStart && buffer[i + 1] == quint8(FrameType::Status) && buffer[i + 10] == FrameStart &&
            buffer[i + 11] == quint8(FrameType::Status)) {
            m_inSync = true;
            m_start += i;
            m_receiveCount = static_cast<quint16>(m_receiveCount - i);
            return;
        }
    }
    m_syncSearched = qMax(0, m_receiveCount - 11);
}

void TestReception::LoseSync()
{
    // The next search starts at the frame that was not recognised.
    m_inSync = false;
    m_syncSearched = 0;
}

void TestReception::DispatchFrame(quint8 type, int length)
{
    // The frame is removed after its handler ran, exactly once, whatever the
    // handler did.
    const uchar* frame = Front();
    switch (static_cast<FrameType>(type)) {
    case FrameType::PrintLine:
        m_assembly.StorePrintLine(frame);
        break;
    case FrameType::BlockCode:
        m_assembly.StoreBlockCode(frame);
        break;
    case FrameType::Options:
        m_assembly.StoreOptionsLine(frame);
        break;
    case FrameType::CurveBlock:
        m_assembly.StoreCurveBlock(frame);
        break;
    case FrameType::EndOfTest:
        m_assembly.FinishTest(frame);
        break;
    case FrameType::Status:
    case FrameType::Unused8:
    case FrameType::Unused9:
    case FrameType::Unused10:
        m_assembly.DropFrame(frame);
        break;
    default:
        LoseSync();
        return;
    }
    RemoveFrame(length);
}

void TestReception::RemoveFrame(int length)
{
    if (length > m_receiveCount)
        length = m_receiveCount;
    m_start += length;
    m_receiveCount = static_cast<quint16>(m_receiveCount - length);
}

}  // namespace zevo
