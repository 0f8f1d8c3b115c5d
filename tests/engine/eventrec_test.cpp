#include "engine/datadir.h"
#include "engine/eventrec.h"
#include "engine/listkey.h"
#include "engine/numbertext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <vector>

using namespace kalvor;

namespace {

eventrec sampleRecord() {
    eventrec r;
    assignText(r.desc, "Desc");
    assignText(r.txt, "Body");
    r.rep = 0x1234;
    r.occ = -2;
    r.when = 35424.9375; // 1996-12-25 22:30
    assignText(r.extra, "1/tmp");
    r.days = 65;
    r.action = RunProgram;
    return r;
}

} // namespace

TEST(EventRecord, FieldsLieAtTheirByteOffsetsLittleEndian) {
    const auto bytes = sampleRecord().encode();
    ASSERT_EQ(bytes.size(), 2065u);
    const auto when = std::bit_cast<std::uint64_t>(35424.9375);
    std::vector<unsigned char> whenBytes;
    for (int i = 0; i < 8; ++i)
        whenBytes.push_back(static_cast<unsigned char>(when >> (8 * i)));

    struct Case {
        std::size_t offset;
        std::vector<unsigned char> expected;
    };
    const Case cases[] = {
        {0, {'D', 'e', 's', 'c', ' '}},
        {49, {' ', 'B', 'o', 'd', 'y', ' '}},
        {1049, {' ', 0x34, 0x12}},
        {1052, {0xFE, 0xFF}},
        {1054, whenBytes},
        {1062, {'1', '/', 't', 'm', 'p', ' '}},
        {2061, {' ', 65, 2, 0}},
    };
    for (const auto& c : cases)
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(bytes[c.offset + i], c.expected[i]) << "byte " << c.offset + i;
}

TEST(EventRecord, DecodesWhatItEncodesAndReadsMissingBytesAsZero) {
    const eventrec r = sampleRecord();
    const auto bytes = r.encode();
    EXPECT_EQ(eventrec::decode(bytes), r);
    EXPECT_EQ(readWhen(bytes), r.when);

    // A record cut short before `when`: the rest reads as an all-zero record would.
    const eventrec cut = eventrec::decode(std::span(bytes).first(1033));
    EXPECT_EQ(trimmedText(cut.desc), "Desc");
    EXPECT_EQ(cut.when, 0.0);
    EXPECT_EQ(cut.rep, 0);
    EXPECT_EQ(cut.extra, eventrec{}.extra);
}

TEST(EventRecord, FixedTextIsPaddedCutAndTrimmedOfSpacesOnly) {
    eventrec r;
    assignText(r.desc, std::string(60, 'x') + "tail");
    EXPECT_EQ(std::string(r.desc.data(), 50), std::string(50, 'x'));

    assignText(r.desc, "abc");
    EXPECT_EQ(std::string(r.desc.data(), 50), "abc" + std::string(47, ' '));
    EXPECT_EQ(trimmedText(r.desc), "abc");

    assignText(r.txt, "  two\r\nlines\t ");
    EXPECT_EQ(trimmedText(r.txt), "two\r\nlines\t");

    // A field never assigned holds zero bytes, which are not spaces.
    EXPECT_EQ(trimmedText(r.extra), std::string(1000, '\0'));
}

TEST(ListKey, KeysAndRecordNumbers) {
    EXPECT_EQ(keyOf(1), "L1");
    EXPECT_EQ(keyOf(12), "L12");
    const std::pair<const char*, int> cases[] = {{"L12", 12},       {"L1", 1},     {"L", 0},
                                                 {"", 0},           {"Lx3", 0},    {"L7abc", 7},
                                                 {"L32767", 32767}, {"L32768", 0}, {"L99999999999", 0}};
    for (const auto& [key, n] : cases)
        EXPECT_EQ(getkey(key), n) << key;
}

TEST(DataDir, ADriveRootLosesItsSeparator) {
    EXPECT_EQ(datadir("C:\\") + "\\KALVOR.DAT", "C:\\KALVOR.DAT");
    EXPECT_EQ(datadir("C:\\WINDOWS") + "\\KALVOR.DAT", "C:\\WINDOWS\\KALVOR.DAT");
}

TEST(NumberText, TheLeadingNumberOfAText) {
    const std::pair<const char*, double> cases[] = {
        {"1200", 1200}, {"-585", -585}, {"  42px", 42}, {"abc", 0},  {"", 0},    {"-", 0},
        {"3.5", 3.5},   {"1e3", 1000},  {"1e", 1},      {"0x1F", 0}, {"inf", 0}, {"+7", 7},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingNumber(text), value) << text;
}
