#pragma once
// Files the tests read: any file's bytes, and the golden files of tests/data.

#include <QFile>
#include <QString>

namespace zevo::testing {

// The file's bytes; none when it cannot be read.
inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file of tests/data, e.g. "decode/car.txt".
inline QString DataPath(const QString& name) { return QStringLiteral(ZEVO_TEST_DATA "/") + name; }

} // namespace zevo::testing
