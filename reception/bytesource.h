#pragma once
// Where the receive timer takes its bytes from: the serial port while the
// program runs, a recorded capture when a test is replayed. Both go through
// exactly the same framing, so a capture from a workshop replays like the line.

#include <QtGlobal>

namespace zevo {

class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Number of received bytes ready to be read now; never waits.
    virtual quint32 BytesWaiting() = 0;

    // Takes at most capacity - 1 of the waiting bytes without waiting for more,
    // writes a 0 byte after them and returns how many were taken. What does not
    // fit stays for the next call. A capacity of 0 takes and writes nothing.
    virtual quint32 Read(char* buffer, quint32 capacity) = 0;
};

}  // namespace zevo
