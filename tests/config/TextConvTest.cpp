#include <gtest/gtest.h>

#include "common/TextConv.h"

using namespace trelvix;

TEST(TextConv, BooleansAndIntegers) {
    EXPECT_EQ(TextToBool("True"), true);
    EXPECT_EQ(TextToBool("false"), false);
    EXPECT_EQ(TextToBool("-1"), true);
    EXPECT_EQ(TextToBool("0"), false);
    EXPECT_EQ(TextToBool("yes"), std::nullopt);
    EXPECT_EQ(TextToInt(" 42 "), 42);
    EXPECT_EQ(TextToInt("-3"), -3);
    EXPECT_EQ(TextToInt("4x"), std::nullopt);
    EXPECT_EQ(TextToInt(""), std::nullopt);
}

TEST(TextConv, LocaleDatesKeepFourDigitYearsAndFitTheRecord) {
    for (const char* name : {"C", "en_US", "de_DE", "zh_CN", "fr_FR", "ja_JP", "ar_EG"}) {
        const QLocale l(QString::fromLatin1(name));
        const QDate d(2026, 12, 28);
        const QString text = DateToShortText(d, l);
        EXPECT_LE(text.size(), 11) << name;
        EXPECT_EQ(ShortTextToDate(text, l), d) << name << " " << text.toStdString();
        const QTime t(23, 59, 58);
        const QString time = TimeToLongText(t, l);
        EXPECT_LE(time.size(), 9) << name;
        EXPECT_EQ(LongTextToTime(time, l), t) << name << " " << time.toStdString();
    }
    EXPECT_EQ(LongTextToTime("7:05"), QTime(7, 5));
    EXPECT_FALSE(ShortTextToDate("31/31/31").isValid());
}
