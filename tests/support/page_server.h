#pragma once
// A web server on a loopback port for the browser views: it answers every GET and POST with
// the page its function makes and remembers each request (but the icon the engine asks for
// of its own accord). Keep-alive is off, or the engine would hold the one worker open.

#include <httplib.h>

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kesto::test {

class PageServer {
public:
    struct Seen {
        std::string method;
        std::string path;
        std::string body;
        std::string contentType;
    };
    using PageMaker = std::function<std::string(const httplib::Request&)>;

    explicit PageServer(PageMaker page) : page_(std::move(page)) {
        auto answer = [this](const httplib::Request& request, httplib::Response& response) {
            std::lock_guard lock(mutex_);
            if (request.path != "/favicon.ico") {
                seen_.push_back(
                    {request.method, request.path, request.body, request.get_header_value("Content-Type")});
            }
            if (const auto to = redirects_.find(request.path); to != redirects_.end())
                return response.set_redirect(to->second);
            response.set_content(page_(request), "text/html");
        };
        server_.Get(".*", answer);
        server_.Post(".*", answer);
        server_.set_keep_alive_max_count(1);
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~PageServer() {
        server_.stop();
        thread_.join();
    }
    PageServer(const PageServer&) = delete;
    PageServer& operator=(const PageServer&) = delete;

    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // From now on the path answers 302 with that location.
    void redirect(const std::string& path, const std::string& location) {
        std::lock_guard lock(mutex_);
        redirects_[path] = location;
    }
    std::vector<Seen> seen() {
        std::lock_guard lock(mutex_);
        return seen_;
    }

private:
    PageMaker page_;
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::vector<Seen> seen_;
    std::map<std::string, std::string> redirects_;
};

} // namespace kesto::test
