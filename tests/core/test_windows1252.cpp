#include "windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Windows1252, EveryByteReadsBackAsItself)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, char(b));
        EXPECT_EQ(inWindows1252(daWindows1252(byte)), byte) << b;
    }
    EXPECT_EQ(daWindows1252("12\r\n"), "12\r\n");
    EXPECT_EQ(daWindows1252("\x80\xE8"), "€è");
}

} // namespace
