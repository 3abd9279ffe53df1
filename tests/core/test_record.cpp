#include "record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BattutoIlRecord, OnlyAStrictlyHigherScoreIsARecord)
{
    EXPECT_FALSE(battutoIlRecord("", "0")); // first run: the stored score counts as 0
    EXPECT_TRUE(battutoIlRecord("", "1"));
    EXPECT_FALSE(battutoIlRecord("12\r\n", "12"));
    EXPECT_TRUE(battutoIlRecord("12\r\n", "13"));
    EXPECT_FALSE(battutoIlRecord("12\r\n", "9"));
    EXPECT_TRUE(battutoIlRecord("abc 99\r\n", "1")); // letters first: no record stored
    EXPECT_FALSE(battutoIlRecord("1e9\r\n", "32767"));
    EXPECT_FALSE(battutoIlRecord(std::string("7\0"
                                             "9",
                                             3),
                                 "7"));
}

TEST(RigaRecord, TextThenCarriageReturnAndLineFeed)
{
    EXPECT_EQ(rigaRecord("12"), "12\r\n");
    EXPECT_EQ(rigaRecord(""), "\r\n");
    EXPECT_EQ(rigaRecord("Niccolò"), "Niccol\xF2\r\n");
    EXPECT_EQ(rigaRecord("€uro “sì”"), "\x80uro \x93s\xEC\x94\r\n");
}

TEST(RigaRecord, WhatTheCodePageLacksBecomesAQuestionMark)
{
    EXPECT_EQ(rigaRecord("日本"), "??\r\n");
    EXPECT_EQ(rigaRecord("ok 🙂!"), "ok ?!\r\n"); // one character, one mark
    EXPECT_EQ(rigaRecord("שלום"), "????\r\n");
    // Broken UTF-8 is not read past its end.
    EXPECT_EQ(rigaRecord(std::string("a\xE2\x82", 3)), "a??\r\n");
    EXPECT_EQ(rigaRecord(std::string("\xFF", 1)), "?\r\n");
}

} // namespace
