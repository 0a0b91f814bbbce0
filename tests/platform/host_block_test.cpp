#include "platform/host_block.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(HostBlock, TakesExactlyLengthBytesOfAnUnterminatedReply) {
    auto* block = static_cast<char*>(std::malloc(4));
    std::memcpy(block,
                "0\x0b"
                "ab",
                4);
    EXPECT_EQ(HostBlock::takeReply(block, 3), std::string("0\x0b"
                                                          "a"));
    EXPECT_EQ(HostBlock::takeReply(nullptr, 0), "");
}

TEST(HostBlock, CopyForHostIsTerminatedAndAtLeastTheAskedSize) {
    char* text = HostBlock::copyForHost("url", 512);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "url");
    EXPECT_EQ(text[511], '\0');
    std::free(text);
    const std::string longText(600, 'x');
    char* longCopy = HostBlock::copyForHost(longText, 512);
    EXPECT_EQ(std::strlen(longCopy), 600u); // never cut at the minimum size
    std::free(longCopy);
    char* empty = HostBlock::copyForHost(std::string_view(), 8); // a view without data: no copy from null
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty, "");
    std::free(empty);
}

} // namespace
} // namespace kesto
