#include "protocol/web_handoff.h"
#include "tests/protocol/protocol_doubles.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::Rig;

Song song() {
    Song r;
    r.setText(SongField::Song_ID, "123");
    r.setText(SongField::Menu_ID, "00456");
    return r;
}

// What reaches the host: the hand-off's message and the texts of its two blocks.
struct Handed {
    unsigned message;
    std::string address;
    std::string body;
};

Handed lastHandOff(Rig& rig) {
    const auto& p = rig.port.posted.back();
    return {p.message, rig.port.take(p.wParam), rig.port.take(p.lParam)};
}

TEST(WebHandoff, BuffersAreSizedToTheTextNeverCut) {
    Rig rig;
    std::memset(rig.login.password, 'p', 259);
    std::memset(rig.login.uKey, 'k', 259);
    const WebHandoff web(rig.context);
    web.songWebPage(song());
    const Handed h = lastHandOff(rig);
    EXPECT_GT(h.body.size(), 512u);
    EXPECT_TRUE(h.body.ends_with("p_menuid=00456"));
    // Short texts still come in the buffer sizes the host expects.
    std::strcpy(rig.login.password, "pw");
    std::strcpy(rig.login.uKey, "k");
    web.authBuy();
    const auto& p = rig.port.posted.back();
    EXPECT_EQ(reinterpret_cast<const char*>(p.wParam)[511], '\0');
    EXPECT_EQ(reinterpret_cast<const char*>(p.lParam)[127], '\0');
    lastHandOff(rig);
}

TEST(WebHandoff, NothingIsLeftBehindWhenThePostFails) {
    Rig rig;
    rig.context.host = nullptr; // the port refuses a null target
    EXPECT_FALSE(WebHandoff(rig.context).authBuy());
    // The double recorded the refused post; its buffers were freed by the sender (ASan checks).
}

} // namespace
} // namespace kesto
