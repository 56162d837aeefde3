#pragma once
// The test stand's side of the line: builds the frames it sends, and the whole
// byte stream of one test from the two texts reception stores for it. zevo-tool
// sends such streams to a port, and tests feed them into reception.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zevo {

QByteArray StatusFrame();                         // type 4, 8 zero bytes
QByteArray PrintLineFrame(QByteArrayView line);   // type 5; the first 16 bytes of line, 0-padded
QByteArray BlockCodeFrame(quint8 code);           // type 231
QByteArray OptionsFrame();                        // type 6, 128 zero bytes
QByteArray CurveBlockFrame(quint8 channel, QByteArrayView samples);  // type 165; first 510 samples, 0-padded
QByteArray EndOfTestFrame();                      // type 7

struct TestStandStream {
    QByteArray bytes;  // what the test stand sends; empty on error
    QString error;     // names the text and its 1-based line; empty on success
};

// The stream that makes reception store exactly these texts: four status
// frames, one frame per print-data line (type 231 for "$XX", type 6 for
// " Optionen ", type 5 otherwise), one curve frame per 33-line block of the
// curve data, the end-of-test frame and four status frames behind it (so the
// end frame is followed by a byte and gets handled).
// Both texts are CR LF lines as reception stores them. A line the test stand
// could not have sent that way is an error, never changed silently.
TestStandStream EncodeTestStandStream(QByteArrayView printData, QByteArrayView curveData = {});

}  // namespace zevo
