#pragma once
// Framing of the test stand's byte stream. The main window's Timer1 calls
// Timer1Timer every 100 ms: it takes what the byte source has, finds the frame
// boundaries (in step after two status frames back to back) and hands every
// complete frame whose next byte has also arrived to its handler.

#include "reception/bytesource.h"
#include "reception/testassembly.h"

#include <QByteArrayView>
#include <memory>

namespace zevo {

class TestReception {
public:
    TestReception(ByteSource& source, ReceptionHooks hooks);

    void Timer1Timer();  // one tick of the receive timer
    // The line went away: no byte follows those received. Takes what the source
    // still holds, hands on every complete frame (the last one would otherwise
    // wait for a next byte that does not come), drops what is left (part of a
    // frame, never to be completed: it must not take the first bytes of the
    // next line) and goes out of step; the test being assembled stays. False,
    // doing nothing, when called from inside a tick (a nested event loop): the
    // owner tries again after the tick.
    bool LineEnded();

    bool InSync() const { return m_inSync; }
    quint16 ReceiveCount() const { return m_receiveCount; }
    // The bytes received and not yet handled; the first is a frame start while in step.
    QByteArrayView ReceivedBytes() const;

    TestAssembly& Assembly() { return m_assembly; }
    const TestAssembly& Assembly() const { return m_assembly; }

    static constexpr int ReceiveBufferSize = 65536;
    static constexpr int ChunkSize = 4096;  // a read takes at most 4,095 bytes

private:
    void MakeRoom();
    void HandleFrames(int bytesBeyond);
    void FindSync();
    void LoseSync();
    void DispatchFrame(quint8 type, int length);
    void RemoveFrame(int length);
    uchar* Front() { return m_receiveBuffer.get() + m_start; }

    ByteSource& m_source;
    TestAssembly m_assembly;
    // Received bytes not yet handled are at m_start .. m_start + ReceiveCount,
    // followed by a 0 byte. Handled frames only move m_start; the bytes are moved
    // down once per tick instead of once per frame.
    std::unique_ptr<uchar[]> m_receiveBuffer;
    int m_start = 0;
    quint16 m_receiveCount = 0;
    bool m_inSync = false;
    // Out of step, the start positions below this one have been searched with
    // all four bytes of a status pair received, and hold none.
    int m_syncSearched = 0;
    bool m_inTick = false;
};

}  // namespace zevo
