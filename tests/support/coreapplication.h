#pragma once
// The one application object of a test program, for the parts of Qt that want
// one: the SQLite driver plugin and QSerialPort's socket notifiers.

#include <QCoreApplication>

namespace zevo::testing {

inline void EnsureCoreApplication()
{
    static int argc = 1;
    static char name[] = "zevo-test";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        static QCoreApplication app(argc, argv);
}

}  // namespace zevo::testing
