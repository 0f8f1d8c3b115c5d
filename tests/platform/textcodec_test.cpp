#include "platform/textcodec.h"

#include <gtest/gtest.h>

using namespace kalvor::platform;

TEST(TextCodec, RoundTripsWhatItCanHold) {
    const QString texts[] = {
        QStringLiteral("plain ASCII"), QString::fromUtf8("Caf\u00e9 \u00fcber \u00ff"),
        QString::fromUtf8("\u20ac5 \u2014 \u201cquoted\u201d \u2026 \u0160\u017e\u0178 \u2122"),
        QString(QChar(0x0081)) + QChar(0x009D), // the unassigned bytes keep their own number
    };
    for (const QString& text : texts) {
        bool lossless = false;
        const std::string bytes = toCp1252(text, &lossless);
        EXPECT_TRUE(lossless) << text.toStdString();
        EXPECT_EQ(fromCp1252(bytes), text);
    }
    EXPECT_EQ(toCp1252(QString::fromUtf8("\u20ac\u00e9")), "\x80\xe9");
    EXPECT_EQ(fromCp1252("\x93x\x94"), QString::fromUtf8("\u201cx\u201d"));
}

TEST(TextCodec, WhatItCannotHoldBecomesAQuestionMark) {
    const std::pair<QString, std::string> cases[] = {
        {QString::fromUtf8("\u65e5\u672c"), "??"},
        {QString::fromUtf8("a\U0001F600b"), "a?b"}, // one character, however many UTF-16 units
        {QString(QChar(0x0080)), "?"},              // a C1 control that 0x80 does not stand for
    };
    for (const auto& [text, bytes] : cases) {
        bool lossless = true;
        EXPECT_EQ(toCp1252(text, &lossless), bytes);
        EXPECT_FALSE(lossless);
    }
}
