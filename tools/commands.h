#pragma once
// The sub-commands of zevo-tool. Each takes the arguments after its name and
// returns the process exit status (0 done, 2 error, with one line on stderr).

#include <QStringList>

namespace zevo::tool {

int RunFrames(const QStringList& args);
int RunReplay(const QStringList& args);
int RunListen(const QStringList& args);
int RunSend(const QStringList& args);
int RunDecode(const QStringList& args);
int RunRender(const QStringList& args);  // needs a QGuiApplication
int RunCopyDb(const QStringList& args);

}  // namespace zevo::tool
