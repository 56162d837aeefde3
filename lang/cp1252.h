#pragma once
// Windows-1252 conversion. The test stand prints in this code page and the
// stored files ("Params.ini", print data) hold its bytes; inside the program
// texts are Unicode. Qt 6 has no codec for it, so this small table does it.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zevo {

// Every byte maps to one character; the five bytes Windows leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
QString FromCp1252(QByteArrayView bytes);

// Characters without a Windows-1252 byte become '?'.
QByteArray ToCp1252(QStringView text);

}  // namespace zevo
