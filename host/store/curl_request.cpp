#include "host/store/curl_request.h"

#include <curl/curl.h>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <mutex>
#include <string>

namespace kesto {
namespace {

size_t collect(char* bytes, size_t size, size_t count, void* user) {
    auto* reply = static_cast<std::string*>(user);
    // Answering short makes libcurl stop the transfer with an error: no reply.
    if (reply->size() + size * count > CurlRequest::kMaxReplyBytes)
        return 0;
    reply->append(bytes, size * count);
    return size * count;
}

CurlRequest::WaitSign& waitSign() {
    static CurlRequest::WaitSign sign;
    return sign;
}

// Shows the wait for as long as it lives.
class Waiting {
public:
    Waiting() { tell(true); }
    ~Waiting() { tell(false); }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

private:
    static void tell(bool waiting) {
        if (waitSign())
            waitSign()(waiting);
    }
};

// curl_global_init is not thread-safe: once per process.
void initOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool exchange(const char* url, bool post, const char* body, std::string& reply) {
    CURL* curl = curl_easy_init();
    if (curl == nullptr)
        return false;
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: text/plain");
    curl_easy_setopt(curl, CURLOPT_URL, url);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, CurlRequest::kProtocols);
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, CurlRequest::kProtocols);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, CurlRequest::kConnectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, CurlRequest::kStallSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, CurlRequest::kStallBytesPerSecond);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, CurlRequest::kDeadlineSeconds);
    if (post) {
        const char* text = body != nullptr ? body : "";
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(std::strlen(text)));
        curl_easy_setopt(curl, CURLOPT_COPYPOSTFIELDS, text);
    }
    long status = 0;
    const bool ok = curl_easy_perform(curl) == CURLE_OK &&
                    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status >= 200 &&
                    status < 300;
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return ok;
}

} // namespace

void CurlRequest::setWaitSign(WaitSign sign) {
    waitSign() = std::move(sign);
}

int CurlRequest::perform(const char* url, void** data, std::uint32_t* length, int post, const char* body, int,
                         int) {
    if (data == nullptr || length == nullptr)
        return 0;
    *data = nullptr;
    *length = 0;
    if (url == nullptr || *url == '\0')
        return 0;
    initOnce();
    std::string reply;
    const Waiting waiting;
    if (!exchange(url, post != 0, body, reply) || reply.size() > std::numeric_limits<std::uint32_t>::max())
        return 0;
    void* block = std::malloc(reply.empty() ? 1 : reply.size());
    if (block == nullptr)
        return 0;
    std::memcpy(block, reply.data(), reply.size());
    *data = block;
    *length = static_cast<std::uint32_t>(reply.size());
    return 1;
}

} // namespace kesto
