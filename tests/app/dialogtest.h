#pragma once
// Helpers of the dialog tests: finding a window's parts by their object names,
// its error message box, and a database file in a temporary folder.

#include "records/database.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>
#include <string>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zevo::dialogtest {

// The named part of a window; a missing one fails the test (gtest reports
// the exception) rather than crashing it.
template <typename W> W& Part(const QWidget& window, const char* name)
{
    W* part = window.findChild<W*>(QString::fromLatin1(name));
    if (!part)
        throw std::runtime_error(std::string("no part named ") + name);
    return *part;
}

// Clicks a button; near the left edge, since a radio button only takes clicks
// on its indicator and text.
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

// Types the text key by key. QTest::keyClicks knows ASCII only; a workshop
// address has umlauts.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A fresh database file per test, under a connection of its own.
class DatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        DbResult<QSqlDatabase> opened = OpenDatabase(dir.filePath(QStringLiteral("zevodb.sqlite")), Connection);
        ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
        db = opened.value();
    }
    void TearDown() override
    {
        db = QSqlDatabase();
        CloseDatabase(Connection);
    }

    static inline const QString Connection = QStringLiteral("dialog-test");
    QTemporaryDir dir;
    QSqlDatabase db;
};

} // namespace zevo::dialogtest
