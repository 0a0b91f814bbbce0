// The player's requests give up on a store that takes the connection and then says nothing,
// on one that trickles its reply past the deadline, on a reply that grows past its limit and
// on any scheme but the web's, and the player answers again afterwards; the window is told of
// each wait, begun and ended.
#include "host/store/curl_request.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>
#include <vector>

namespace kesto {
namespace {

// A socket listening on a free loopback port; the port, or -1.
int listenOnLoopback(int fd) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    if (::bind(fd, raw, size) != 0 || ::listen(fd, 4) != 0 || ::getsockname(fd, raw, &size) != 0)
        return -1;
    return ntohs(address.sin_port);
}

// A store that listens and never accepts: the connection is made by the kernel, the request
// goes out, and no byte ever comes back.
struct SilentStore {
    ~SilentStore() { ::close(fd); }
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int port = listenOnLoopback(fd);
};

// A store that answers at once and then sends its body a few bytes a second, fast enough for
// the stall rule, whole only some seconds after the deadline; it stops by itself then, or
// when the client has gone.
class TricklingStore {
public:
    static constexpr int kSeconds = CurlRequest::kDeadlineSeconds + 10;
    static constexpr int kBytesPerSecond = 4;

    TricklingStore() : serving_([this] { serve(); }) {
        while (port_ == 0)
            std::this_thread::yield();
    }
    ~TricklingStore() { sentWhole(); }
    int port() const { return port_; }
    // Waits until the store has stopped.
    bool sentWhole() {
        if (serving_.joinable())
            serving_.join();
        return whole_;
    }

private:
    void serve() {
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        port_ = listenOnLoopback(listener);
        if (port_ < 0) {
            ::close(listener);
            return;
        }
        const int client = ::accept(listener, nullptr, nullptr);
        ::close(listener);
        const std::string head =
            "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kSeconds * kBytesPerSecond) + "\r\n\r\n";
        bool open = ::send(client, head.data(), head.size(), MSG_NOSIGNAL) > 0;
        for (int second = 0; open && second < kSeconds; ++second) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            open =
                ::send(client, std::string(kBytesPerSecond, 'x').data(), kBytesPerSecond, MSG_NOSIGNAL) > 0;
        }
        whole_ = open;
        ::close(client);
    }

    std::atomic<int> port_{0};
    std::atomic<bool> whole_{false};
    std::thread serving_;
};

struct Outcome {
    int result = -1;
    bool dataCleared = false;
};

Outcome ask(const std::string& url) {
    void* data = reinterpret_cast<void*>(1);
    std::uint32_t length = 7;
    // On a thread of its own, so that a request that never returns fails the test by its
    // time-out rather than hanging the thread that checks.
    auto asked = std::async(std::launch::async, [&] {
        return CurlRequest::perform(url.c_str(), &data, &length, 0, nullptr, 1, 0);
    });
    const int result = asked.get();
    if (result != 0)
        std::free(data);
    return {result, result != 0 || (data == nullptr && length == 0)};
}

TEST(PlayerRequests, GiveUpOnStallsHugeRepliesAndOtherSchemesThenAnswerAgain) {
    SilentStore silent;
    ASSERT_GT(silent.port, 0);
    httplib::Server server;
    // One worker: the library's own state is not shared between a worker still writing the
    // cut-off reply and the next request's.
    server.new_task_queue = [] { return new httplib::ThreadPool(1); };
    server.Get("/huge", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(CurlRequest::kMaxReplyBytes + 1, 'x'), "text/plain");
    });
    server.Get("/fits",
               [](const httplib::Request&, httplib::Response& res) { res.set_content("ok", "text/plain"); });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { server.listen_after_bind(); });
    while (!server.is_running())
        std::this_thread::yield();
    const std::string live = "http://127.0.0.1:" + std::to_string(port);

    std::vector<bool> signs;
    CurlRequest::setWaitSign([&signs](bool waiting) { signs.push_back(waiting); });
    const struct {
        const char* what;
        std::string url;
        int result;
    } cases[] = {
        {"a store that never answers", "http://127.0.0.1:" + std::to_string(silent.port) + "/protocol.jsp",
         0},
        {"a reply past the limit", live + "/huge", 0},
        {"a file on this machine", "file:///etc/hostname", 0},
        {"a mail server", "smtp://127.0.0.1:" + std::to_string(port), 0},
        {"the store again", live + "/fits", 1},
    };
    for (const auto& c : cases) {
        const Outcome outcome = ask(c.url);
        EXPECT_EQ(outcome.result, c.result) << c.what;
        EXPECT_TRUE(outcome.dataCleared) << c.what;
    }
    CurlRequest::setWaitSign({});
    // Each request showed its wait and took it away again.
    ASSERT_EQ(signs.size(), 2 * std::size(cases));
    for (std::size_t i = 0; i < signs.size(); ++i)
        EXPECT_EQ(signs[i], i % 2 == 0) << i;
    server.stop();
    serving.join();
}

TEST(PlayerRequests, EndAtTheDeadlineThoughTheStoreKeepsSending) {
    TricklingStore store;
    ASSERT_GT(store.port(), 0);
    const Outcome outcome = ask("http://127.0.0.1:" + std::to_string(store.port()) + "/protocol.jsp");
    EXPECT_EQ(outcome.result, 0);
    EXPECT_TRUE(outcome.dataCleared);
    EXPECT_FALSE(store.sentWhole());
}

} // namespace
} // namespace kesto
