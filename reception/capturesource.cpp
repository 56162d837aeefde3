#include "reception/capturesource.h"

#include <algorithm>
#include <cstring>

namespace zevo {

CaptureSource::CaptureSource(QByteArray bytes, quint32 chunkSize)
    : m_bytes(std::move(bytes)), m_chunkSize(std::max<quint32>(chunkSize, 1))
{
}

quint32 CaptureSource::BytesWaiting()
{
    return static_cast<quint32>(std::min<qsizetype>(m_bytes.size() - m_position, m_chunkSize));
}

quint32 CaptureSource::Read(char* buffer, quint32 capacity)
{
    if (capacity == 0)
        return 0;
    const quint32 n = std::min(BytesWaiting(), capacity - 1);
    std::memcpy(buffer, m_bytes.constData() + m_position, n);
    buffer[n] = 0;
    m_position += n;
    return n;
}

}  // namespace zevo
