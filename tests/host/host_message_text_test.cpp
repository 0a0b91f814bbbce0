#include "host/host_message_text.h"
#include "include/kesto/panel_api.h"
#include "platform/cp949.h"
#include "platform/host_block.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace kesto {
namespace {

std::intptr_t block(std::string_view text, std::size_t size = 0) {
    return reinterpret_cast<std::intptr_t>(HostBlock::copyForHost(text, size));
}

// Blocks are freed by take(); the sanitizer builds catch a leak or a double free.
TEST(HostMessageText, DescribesAndTakesOverTextBlocks) {
    EXPECT_EQ(HostMessageText::take(KESTO_MSG_OPEN_WEB_PAGE, block("http://w/a.jsp", 512), block("x=1", 128)),
              "1130 open web page: http://w/a.jsp | x=1");
    EXPECT_EQ(HostMessageText::take(KESTO_MSG_OPEN_WEB_PAGE, block("http://w/b"), 0),
              "1130 open web page: http://w/b");
    EXPECT_EQ(HostMessageText::take(KESTO_MSG_SERVER_ERROR, -10104, block(Cp949::fromUtf8("오류"))),
              "1142 server error -10104: 오류");
    EXPECT_EQ(HostMessageText::take(KESTO_MSG_PLAY_NOW_PLAYING, 2, 1), "1133 play now-playing list from 2");
    EXPECT_EQ(HostMessageText::take(5031, 1, 2), "5031 wParam 1, lParam 2");
}

TEST(HostMessageText, SongIdCopyIsReadWithinItsTwentyOneBytes) {
    char* id = static_cast<char*>(std::malloc(21));
    std::memset(id, '7', 21); // no terminator inside the block
    EXPECT_EQ(HostMessageText::take(KESTO_MSG_LYRICS_WANTED, 0, reinterpret_cast<std::intptr_t>(id)),
              "1426 lyrics wanted for " + std::string(21, '7'));
}

} // namespace
} // namespace kesto
