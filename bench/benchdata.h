#pragma once
// The golden files the benchmarks run on (tests/data); a missing file ends
// the program, since a benchmark of nothing measures nothing.

#include <QByteArray>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace zevo::bench {

inline QByteArray ReadData(const char* name)
{
    QFile file(QStringLiteral(ZEVO_TEST_DATA "/decode/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        std::exit(2);
    }
    return file.readAll();
}

}  // namespace zevo::bench
