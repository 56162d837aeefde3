#include "lang/cp1252.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripAndTheHighBlockIsWindows)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
    EXPECT_EQ(FromCp1252("\x80\x8A\x9F\xA0\xB4\xBA\xDF\xE9\xFC"), QString::fromUtf8("€Š\u0178\u00A0´ºßéü"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("ę→x")), QByteArray("??x"));  // outside the code page
}

}  // namespace
}  // namespace zevo
