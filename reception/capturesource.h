#pragma once
// A recorded byte stream handed out as the serial port would: at most
// `chunkSize` bytes per read (96 is what a 100 ms tick finds at 9600 baud).

#include "reception/bytesource.h"

#include <QByteArray>
#include <QByteArrayView>

namespace zevo {

class CaptureSource final : public ByteSource {
public:
    explicit CaptureSource(QByteArray bytes, quint32 chunkSize = 96);

    quint32 BytesWaiting() override;
    quint32 Read(char* buffer, quint32 capacity) override;

    // More recorded bytes behind those not yet handed out.
    void Append(QByteArrayView bytes) { m_bytes.append(bytes); }
    bool AtEnd() const { return m_position >= m_bytes.size(); }
    void Rewind() { m_position = 0; }

private:
    QByteArray m_bytes;
    qsizetype m_position = 0;
    quint32 m_chunkSize;
};

}  // namespace zevo
