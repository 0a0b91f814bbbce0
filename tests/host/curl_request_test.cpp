// The host's request function against a real HTTP server on loopback.
#include "host/curl_request.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace kesto {
namespace {

class CurlRequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.Post("/protocol.jsp", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content("0\x0B" + req.body + "\x0B" + std::to_string(req.body.size()), "text/plain");
        });
        server.Get("/binary", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string("a\0b\0", 4), "application/octet-stream");
        });
        server.Get("/large", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string(3 << 20, 'x'), "text/plain");
        });
        server.Get("/empty", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("", "text/plain");
        });
        server.Get("/broken", [](const httplib::Request&, httplib::Response& res) { res.status = 500; });
        port = server.bind_to_any_port("127.0.0.1");
        ASSERT_GT(port, 0);
        thread = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    void TearDown() override {
        server.stop();
        thread.join();
    }

    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port) + path;
    }

    // The reply as the module takes it: exactly length bytes, then the block is freed.
    std::string request(const std::string& path, int post, const char* body, int* result = nullptr) {
        void* data = reinterpret_cast<void*>(1);
        std::uint32_t length = 99;
        const int rc = CurlRequest::perform(url(path).c_str(), &data, &length, post, body, 1, 0);
        if (result != nullptr)
            *result = rc;
        if (rc == 0) {
            EXPECT_EQ(data, nullptr);
            EXPECT_EQ(length, 0u);
            return "<none>";
        }
        std::string reply(static_cast<const char*>(data), length);
        std::free(data);
        return reply;
    }

    httplib::Server server;
    std::thread thread;
    int port = 0;
};

TEST_F(CurlRequestTest, PostsTheBodyAndReturnsTheReply) {
    EXPECT_EQ(request("/protocol.jsp?kestoSong", 1, "user\x0Bkey\x0B"), "0\x0Buser\x0Bkey\x0B\x0B"
                                                                        "9");
    EXPECT_EQ(request("/protocol.jsp?serverTime", 1, nullptr), "0\x0B\x0B"
                                                               "0");
    // CP949 bytes travel unchanged.
    EXPECT_EQ(request("/protocol.jsp?search", 1, "\xB0\xA1\x0B"), "0\x0B\xB0\xA1\x0B\x0B"
                                                                  "3");
}

TEST_F(CurlRequestTest, ReplyIsCopiedByLengthNotByTerminator) {
    EXPECT_EQ(request("/binary", 0, nullptr), std::string("a\0b\0", 4));
    EXPECT_EQ(request("/large", 0, nullptr).size(), 3u << 20);
    int rc = 0;
    EXPECT_EQ(request("/empty", 0, nullptr, &rc), "");
    EXPECT_EQ(rc, 1);
}

TEST_F(CurlRequestTest, FailuresGiveNoReply) {
    EXPECT_EQ(request("/broken", 0, nullptr), "<none>");
    void* data = nullptr;
    std::uint32_t length = 0;
    EXPECT_EQ(CurlRequest::perform("", &data, &length, 1, "x", 1, 0), 0);
    EXPECT_EQ(CurlRequest::perform(nullptr, &data, &length, 1, "x", 1, 0), 0);
    server.stop();
    EXPECT_EQ(request("/protocol.jsp?song", 1, "x"), "<none>");
}

} // namespace
} // namespace kesto
