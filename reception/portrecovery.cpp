#include "reception/portrecovery.h"

namespace zevo {

PortRecovery::Change PortRecovery::AfterTick()
{
    if (m_port.IsOpen() || m_port.Name().isEmpty()) {
        m_lossHandled = false;
        m_ticksWaited = 0;
        return Change::None;
    }
    if (m_port.Lost() && !m_lossHandled) {
        if (!m_reception.LineEnded())
            return Change::None; // inside a tick; the next one ends the line
        m_lossHandled = true;
        return Change::Lost;
    }
    // Opening is cheap but not free (a lock file, the device's driver), so not
    // on every tick.
    if (++m_ticksWaited < RetryTicks)
        return Change::None;
    m_ticksWaited = 0;
    return m_port.Reopen() ? Change::Reopened : Change::None;
}

} // namespace zevo
