#pragma once
// Files of the tests: any file's bytes, a file written whole, and the golden
// files of tests/data.

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace zevo::testing {

// The file's bytes; none when it cannot be read.
inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes as the whole file; its path.
inline QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        << path.toStdString();
    return path;
}

// A file of tests/data, e.g. "decode/car.txt".
inline QString DataPath(const QString& name) { return QStringLiteral(ZEVO_TEST_DATA "/") + name; }

} // namespace zevo::testing
