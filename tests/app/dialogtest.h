#pragma once
// Helpers of the window tests: parts by object name, the error box, typing, files.

#include "tests/records/recordsfixture.h"
#include "tests/support/testfiles.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace zevo::dialogtest {

// The named part of a window; a missing one fails the test instead of crashing it.
template <typename W> W& Part(const QWidget& window, const char* name)
{
    W* part = window.findChild<W*>(QString::fromLatin1(name));
    if (!part)
        throw std::runtime_error(std::string("no part named ") + name);
    return *part;
}

// Clicks near the left edge: a radio button takes clicks only on its indicator and text.
inline void Click(const QWidget& window, const char* name)
{
    auto& button = Part<QAbstractButton>(window, name);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(4, button.height() / 2));
}

// The error message box shown over the window, or null.
inline QMessageBox* ErrorBox(const QWidget& window)
{
    return window.findChild<QMessageBox*>(QStringLiteral("ErrorMessage"));
}

// Types key by key: QTest::keyClicks knows ASCII only, a workshop address has umlauts.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

using testing::FileBytes;
using testing::WriteFile;

} // namespace zevo::dialogtest
