// A received gift's message page is its receiver's alone: another user, a wrong key or no
// credentials see nothing of it, though the gift id is easy to guess.
#include "service/catalogue_generator.h"
#include "service/catalogue_store.h"
#include "service_client.h"

#include "platform/cp949.h"

#include <gtest/gtest.h>

#include <httplib.h>

namespace kesto::service::test {
namespace {

TEST(GiftMessageTest, ShowsOnlyToTheGiftsSenderOrReceiver) {
    const Catalogue catalogue = CatalogueGenerator(CatalogueStore::kSeed).generate();
    TempDir dir;
    ServiceClient client(dir.path());
    client.login("minji");
    const std::string message = Cp949::fromUtf8("생일 축하해; 좋은 하루!");
    const auto sendCode = splitRaw(client.post("gift", {"1", "sora", message, "1", catalogue.songs[3].id}));
    ASSERT_EQ(decodeNumber(decodeField(sendCode[0])), 0);
    const auto sent = splitRaw(client.post("giftBox", {"1", "0"}));
    ASSERT_GT(sent.size(), 5u);
    const std::string giftId = decodeField(sent[5]);

    const std::string page = "/message.jsp?is_send=0&gift_id=" + giftId;
    httplib::Client web(client.server().baseUrl());
    const auto shows = [&](const std::string& user, const std::string& key) {
        const auto reply =
            web.Post(page, "userid=" + user + "&u_key=" + key, "application/x-www-form-urlencoded");
        return reply && reply->body.find(message) != std::string::npos;
    };
    client.login("sora");
    EXPECT_TRUE(shows("sora", client.key()));
    EXPECT_FALSE(shows("sora", "K0"));
    const auto bare = client.get(page);
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->body.find(message), std::string::npos);
    client.login("jun");
    EXPECT_FALSE(shows("jun", client.key()));
}

} // namespace
} // namespace kesto::service::test
