#include "orologio.h"

#include <gtest/gtest.h>

namespace {

Orologio dopo(int secondi)
{
    Orologio o;
    o.azzera();
    for (int i = 0; i < secondi; ++i)
        o.unSecondoInMeno();
    return o;
}

TEST(Orologio, StartsAtFifteenMinutes)
{
    const Orologio o = dopo(0);
    EXPECT_EQ(o.testo(), "00:15:00");
    EXPECT_EQ(o.TempoRestante, 900);
}

TEST(Orologio, BorrowingAMinuteShowsFiftyNine)
{
    EXPECT_EQ(dopo(1).testo(), "00:14:59");
    EXPECT_EQ(dopo(60).testo(), "00:14:00");
    EXPECT_EQ(dopo(61).testo(), "00:13:59");
    EXPECT_EQ(dopo(899).testo(), "00:00:01");
    EXPECT_EQ(dopo(899).TempoRestante, 1);
}

TEST(Orologio, AfterNineHundredTicksTheTimeIsUp)
{
    const Orologio o = dopo(900);
    EXPECT_EQ(o.testo(), "00:00:00");
    EXPECT_EQ(o.TempoRestante, 0);
}

TEST(Orologio, EveryTickAgreesWithTheSecondsLeft)
{
    Orologio o;
    o.azzera();
    while (o.TempoRestante > 0) {
        o.unSecondoInMeno();
        ASSERT_EQ(o.Ore * 3600 + o.Minuti * 60 + int(o.Secondi), o.TempoRestante);
        ASSERT_GE(o.Secondi, 0);
        ASSERT_LE(o.Secondi, 59);
    }
}

TEST(Orologio, BorrowsAnHourWhenMinutesRunOut)
{
    Orologio o;
    o.Ore = 1;
    o.Minuti = 0;
    o.Secondi = 0;
    o.TempoRestante = 3600;
    o.unSecondoInMeno();
    EXPECT_EQ(o.testo(), "00:59:59");
}

TEST(DueCifre, PadsToTwoDigits)
{
    EXPECT_EQ(dueCifre(0), "00");
    EXPECT_EQ(dueCifre(7), "07");
    EXPECT_EQ(dueCifre(59), "59");
    EXPECT_EQ(dueCifre(120), "120");
}

TEST(OraMedia, WholeDaysAreMidnight)
{
    for (double giorni : {0.0, 1.0, 900.0, 37.0})
        EXPECT_EQ(oraMedia(giorni, "AM", "PM"), "12:00 AM") << giorni;
    EXPECT_EQ(oraMedia(0.5, "AM", "PM"), "12:00 PM");
    EXPECT_EQ(oraMedia(0.75, "AM", "PM"), "06:00 PM");
    EXPECT_EQ(oraMedia(0.25 + 1.0 / 1440, "a.m.", "p.m."), "06:01 a.m.");
    EXPECT_EQ(oraMedia(0, "", ""), "12:00");
}

} // namespace
