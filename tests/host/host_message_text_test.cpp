#include "host/session/host_message_text.h"
#include "host/session/log_mask.h"
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

// Blocks are freed by take() (the sanitizer builds catch a leak or a double free); what the log
// line says around them is the host's own wording, so only the texts carried are checked.
TEST(HostMessageText, TakesOverTextBlocksAndShowsWhatTheyCarry) {
    const std::string page =
        HostMessageText::take(KESTO_MSG_OPEN_WEB_PAGE, block("http://w/a.jsp", 512), block("x=1", 128));
    EXPECT_NE(page.find("http://w/a.jsp"), std::string::npos);
    EXPECT_NE(page.find("x=1"), std::string::npos);
    EXPECT_NE(
        HostMessageText::take(KESTO_MSG_SERVER_ERROR, -10104, block(Cp949::fromUtf8("오류"))).find("오류"),
        std::string::npos);
}

TEST(HostMessageText, SongIdCopyIsReadWithinItsTwentyOneBytes) {
    char* id = static_cast<char*>(std::malloc(21));
    std::memset(id, '7', 21); // no terminator inside the block
    EXPECT_TRUE(HostMessageText::take(KESTO_MSG_LYRICS_WANTED, 0, reinterpret_cast<std::intptr_t>(id))
                    .ends_with(" " + std::string(21, '7')));
}

// The web hand-off's form fields and the kept secrets are hidden wherever they stand; a name
// that merely ends like a secret field, and the rest of the line, are kept.
TEST(LogMask, HidesSecretFieldsAndKeptSecrets) {
    LogMask::keepSecret("S3cretWord");
    LogMask::keepSecret("");
    const struct {
        std::string_view line;
        std::string_view shown;
    } cases[] = {
        {"1157 song web page: http://w/a.jsp | userid=kesto&password=S3cretWord&appParam=1",
         "1157 song web page: http://w/a.jsp | userid=kesto&password=***&appParam=1"},
        {"1130 open web page: http://w/b.jsp?u_key=K12AB | x=1&u_key=K12AB",
         "1130 open web page: http://w/b.jsp?u_key=*** | x=1&u_key=***"},
        {"password=", "password=***"},
        {"my_password=open sesame", "my_password=open sesame"},
        {"echo S3cretWord and S3cretWordS3cretWord", "echo *** and ******"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LogMask::masked(c.line), c.shown) << c.line;
}

} // namespace
} // namespace kesto
