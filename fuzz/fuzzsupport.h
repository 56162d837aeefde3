#pragma once
// What every fuzz target shares: the application object some parts of Qt
// want (the SQLite driver plugin), a check that stops the run like a crash,
// and the fixed time reception stores with, so that a run is repeatable.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace zevo::fuzz {

// Made once in LLVMFuzzerInitialize; Qt keeps pointers to the arguments.
inline void MakeCoreApplication(char* programName)
{
    static int argc = 1;
    static char* argv[] = {programName, nullptr};
    static QCoreApplication application(argc, argv);
}

// A property the program relies on that does not hold: abort, so libFuzzer
// keeps the input as a crash.
inline void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// A path in a folder of its own that lives as long as the process, for the
// targets whose real code reads a file. In memory where the system has such a
// folder: saving a file syncs it to the disk, which would slow every run.
inline QString ScratchPath(const QString& name)
{
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/zevo-fuzz-XXXXXX")
                                    : QDir(QDir::tempPath()).filePath(QStringLiteral("zevo-fuzz-XXXXXX")));
    Require(folder.isValid(), "a temporary folder can be made");
    return QDir(folder.path()).filePath(name);
}

// Writes the bytes as the whole file at path.
inline void WriteWholeFile(const QString& path, const uint8_t* data, size_t size)
{
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    Require(file != nullptr, "a scratch file can be written");
    Require(std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0, "a scratch file is written whole");
}

inline QDateTime FixedClock() { return QDateTime(QDate(2026, 3, 14), QTime(10, 20, 30)); }

}  // namespace zevo::fuzz
