// Requests the service cannot take get a negative code with a CP949 message, never a crash or a
// hang; concurrent clients are all served.
#include "service_client.h"

#include "platform/cp949.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace kesto::service::test {
namespace {

class BadInputTest : public ::testing::Test {
protected:
    BadInputTest() : client(dir.path()) { client.login("probe"); }

    void expectError(const std::string& reply, int expected) {
        const auto fields = splitRaw(reply);
        ASSERT_GE(fields.size(), 2u) << reply;
        EXPECT_EQ(decodeNumber(fields[0]), expected);
        const std::string message = decodeField(fields[1]);
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(Cp949::toUtf8(message).find("\xEF\xBF\xBD"), std::string::npos); // valid CP949
    }

    TempDir dir;
    ServiceClient client;
};

TEST_F(BadInputTest, UnknownCommandsAndMissingFields) {
    expectError(client.post("noSuchCommand", {"1"}), -9001);
    expectError(client.post("", {}), -9001);
    expectError(client.post("kestoSong", {}), -9002);
    expectError(client.postBody("/protocol.jsp?cartPage", ""), -9002);
    expectError(client.post("addToCart", {"00101", "1"}), -9002);
    expectError(client.post("kestoSong", {"99999", "0", ""}), -9005);
    expectError(client.post("buyingHistory", {"7", "0"}), -9007);
}

TEST_F(BadInputTest, OversizedBodiesAreRefused) {
    expectError(client.post("cartPage", {std::string(1 << 20, 'x')}), -9003);
    // Far beyond the limit the body is not even read.
    expectError(client.post("cartPage", {std::string(5 << 20, 'x')}), -9003);
}

TEST_F(BadInputTest, MalformedEncodingsAreRefused) {
    expectError(client.post("kestoSong", {"\xB0", "0", ""}), -9004);
    expectError(client.post("search", {"0", std::string("a\0b", 3), "0"}, "/protocol_search.jsp"), -9004);
    expectError(client.post("kestoSong", {"\xFF\xFE", "0", ""}), -9004);
}

TEST_F(BadInputTest, OtherMethodsAndPathsGetAnErrorReply) {
    const auto result = client.get("/protocol.jsp?kestoSong");
    ASSERT_TRUE(result);
    expectError(result->body, -9001);
    EXPECT_EQ(client.get("/stream/nope.wav")->status, 404);
}

TEST_F(BadInputTest, ConcurrentClientsAreAllServed) {
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            httplib::Client http(client.server().baseUrl());
            const std::string body =
                client.user() + kVt + client.key() + kVt + "00101" + kVt + "0" + kVt + kVt;
            for (int i = 0; i < 40; ++i) {
                const auto result =
                    i % 2 == 0
                        ? http.Post("/protocol.jsp?kestoSong", body, "text/plain")
                        : http.Post("/protocol.jsp?cartPage",
                                    client.user() + kVt + client.key() + kVt + "0" + kVt, "text/plain");
                if (!result || result->status != 200 || result->body.substr(0, 1) == "-")
                    ++failures;
                if (i % 10 == 0)
                    http.Post("/protocol.jsp?addToCart",
                              client.user() + kVt + client.key() + kVt + "1001" + kVt + "1" + kVt + "0" +
                                  kVt + std::to_string(3000001 + t * 10 + i) + kVt + "0" + kVt,
                              "text/plain");
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(failures.load(), 0);
}

} // namespace
} // namespace kesto::service::test
