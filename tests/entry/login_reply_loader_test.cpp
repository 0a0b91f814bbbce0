#include "entry/login_reply_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kesto {
namespace {

// A reply of count fields; field i holds "f<i>" unless overridden.
std::string reply(std::vector<std::pair<int, std::string>> overrides = {}, int count = 34) {
    std::vector<std::string> fields;
    for (int i = 0; i < count; ++i)
        fields.push_back("f" + std::to_string(i));
    for (auto& [index, text] : overrides)
        fields[static_cast<std::size_t>(index)] = text;
    std::string out;
    for (int i = 0; i < count; ++i)
        out += (i ? "\x0B" : "") + fields[static_cast<std::size_t>(i)];
    return out;
}

TEST(LoginReplyLoader, FillsEveryFieldByPosition) {
    LoginBlock b;
    ASSERT_TRUE(LoginReplyLoader::load(
        b, reply({{0, "1"},           {3, "3"},         {5, "abc"},       {11, "XY"}, {8, "8"},   {9, "9"},
                  {13, "13"},         {14, "14"},       {15, "15"},       {20, "20"}, {21, "21"}, {22, "22"},
                  {23, "0101234567"}, {24, "http://p"}, {25, "http://w"}, {26, "26"}, {27, "1"},  {28, "28"},
                  {29, "29"},         {30, "x"},        {33, "33"}})));
    EXPECT_EQ(b.loginState, 1);
    EXPECT_STREQ(b.uKey, "f1");
    EXPECT_STREQ(b.password, "f2");
    EXPECT_EQ(b.field3, 3);
    EXPECT_STREQ(b.field4, "f4");
    EXPECT_STREQ(b.joinedKey, "cbaYX"); // "XY" + "abc", reversed
    EXPECT_STREQ(b.field6, "f6");
    EXPECT_STREQ(b.field7, "f7");
    EXPECT_EQ(b.field8, 8);
    EXPECT_EQ(b.field9, 9);
    EXPECT_STREQ(b.memberClass, "f10");
    EXPECT_STREQ(b.field12, "f12");
    EXPECT_EQ(b.field13 + b.field14 + b.field15, 42);
    EXPECT_STREQ(b.field16, "f16");
    EXPECT_STREQ(b.field17, "f17");
    EXPECT_STREQ(b.field18, "f18");
    EXPECT_STREQ(b.field19, "f19");
    EXPECT_EQ(b.field20 + b.field21 + b.field22, 63);
    EXPECT_STREQ(b.phoneNumber, "7654321010");
    EXPECT_STREQ(b.protocolBase, "http://p");
    EXPECT_STREQ(b.webBase, "http://w");
    EXPECT_EQ(b.field26, 26);
    EXPECT_TRUE(b.field27Flag);
    EXPECT_EQ(b.field28, 28);
    EXPECT_EQ(b.field29, 29);
    EXPECT_EQ(b.field33, 33);
}

TEST(LoginReplyLoader, OverlongFieldsAreCutToCapacity) {
    LoginBlock b;
    const std::string longText(400, 'k');
    ASSERT_TRUE(LoginReplyLoader::load(b, reply({{1, longText},
                                                 {16, longText},
                                                 {17, longText},
                                                 {12, longText},
                                                 {23, "0123456789012345678901234567"},
                                                 {24, longText}})));
    EXPECT_EQ(std::string(b.uKey), std::string(259, 'k'));
    EXPECT_EQ(std::string(b.field12).size(), 31u);
    EXPECT_EQ(std::string(b.field16).size(), 15u);
    EXPECT_EQ(std::string(b.field17).size(), 14u);
    EXPECT_EQ(std::string(b.protocolBase).size(), 255u);
    // Reversed first, then cut: the end of the number comes first.
    EXPECT_STREQ(b.phoneNumber, "76543210987654321098765");
    EXPECT_STREQ(b.password, "f2"); // the neighbour is untouched
}

TEST(LoginReplyLoader, Field27FlagIsSetOnlyByOne) {
    LoginBlock b;
    ASSERT_TRUE(LoginReplyLoader::load(b, reply({{27, "2"}})));
    EXPECT_FALSE(b.field27Flag);
    ASSERT_TRUE(LoginReplyLoader::load(b, reply({{27, "01"}})));
    EXPECT_TRUE(b.field27Flag);
    ASSERT_TRUE(LoginReplyLoader::load(b, reply({{27, "one"}})));
    EXPECT_FALSE(b.field27Flag);
}

TEST(LoginReplyLoader, SecondLoadReplacesLongerValues) {
    LoginBlock b;
    ASSERT_TRUE(LoginReplyLoader::load(b, reply({{1, "a-long-key"}})));
    ASSERT_TRUE(LoginReplyLoader::load(b, reply({{1, "k"}})));
    EXPECT_STREQ(b.uKey, "k");
}

TEST(LoginReplyLoader, ReversalKeepsTwoByteCharactersWhole) {
    // "\xB0\xA1" and "\xB3\xAA" are two CP949 syllables.
    EXPECT_EQ(LoginReplyLoader::reversed("a\xB0\xA1"
                                         "b\xB3\xAA"),
              "\xB3\xAA"
              "b\xB0\xA1"
              "a");
    EXPECT_EQ(LoginReplyLoader::reversed("x\xB0"), "\xB0x"); // a lone lead byte at the end is one byte
    EXPECT_EQ(LoginReplyLoader::reversed(""), "");
}

} // namespace
} // namespace kesto
