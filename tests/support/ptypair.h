#pragma once
// A real pseudo-terminal pair for the serial tests: the program under test
// opens the slave side by its path, the test writes the test stand's bytes
// into the master side.

#include <QByteArray>
#include <QString>

namespace zevo::testing {

class PtyPair {
public:
    PtyPair() { open(); }  // ok() tells whether it worked
    ~PtyPair() { hangUp(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Writes all bytes into the master side.
    bool writeToSlave(const QByteArray& bytes);
    // The far side goes away, as an unplugged adapter does: the slave hangs up.
    void hangUp();
    // A new pair (after hangUp); slavePath() names its slave.
    bool open();

private:
    int m_master = -1;
    int m_slaveHold = -1;
    QString m_slavePath;
};

// read() calls the process (this one by default) has made so far, as the
// kernel counts them: a reader spinning on a hung-up line shows here.
qint64 ReadCalls(qint64 pid = 0);

}  // namespace zevo::testing
