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
