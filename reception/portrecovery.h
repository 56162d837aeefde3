#pragma once
// Keeps reception going when the port goes away and comes back (a USB adapter
// unplugged and plugged in again, the test stand switched off and on): after
// each receive tick it notices a lost port, ends the line in the reception
// (the test being assembled stays) and tries to open the port again every
// 3 s, without any help from the user. A port that would not open in the
// first place is tried again the same way; one closed on purpose is not.

#include "reception/comport.h"
#include "reception/testreception.h"

namespace zevo {

class PortRecovery {
  public:
    enum class Change { None, Lost, Reopened };
    static constexpr int RetrySeconds = 3;
    static constexpr int RetryTicks = RetrySeconds * 10; // of the 100 ms receive timer

    PortRecovery(TComport& port, TestReception& reception) : m_port(port), m_reception(reception) {}

    // Call after each tick of the receive timer; tells what changed.
    Change AfterTick();

  private:
    TComport& m_port;
    TestReception& m_reception;
    bool m_lossHandled = false;
    int m_ticksWaited = 0;
};

} // namespace zevo
