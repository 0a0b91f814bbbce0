#include "host/store/host_albums.h"

#include "host/store/curl_request.h"

#include <cstdlib>

namespace kesto {
namespace {

struct Login {
    std::string baseUrl;
    std::string userId;
    std::string key;
};

Login& session() {
    static Login login;
    return login;
}

constexpr char kVt = '\x0B';

} // namespace

void HostAlbums::install(KestoHostFn* serviceA, std::string baseUrl, std::string userId, std::string key) {
    session() = {std::move(baseUrl), std::move(userId), std::move(key)};
    serviceA[KESTO_SVC_A_CREATE_MY_ALBUM] = reinterpret_cast<KestoHostFn>(&HostAlbums::createMyAlbum);
}

void HostAlbums::detach() {
    session() = {};
}

int HostAlbums::createMyAlbum(const char* name) {
    const Login& login = session();
    if (name == nullptr || login.key.empty() || login.baseUrl.empty())
        return 0;
    const std::string url = login.baseUrl + "/protocol.jsp?myAlbum";
    const std::string body = login.userId + kVt + login.key + kVt + "1" + kVt + name + kVt;
    void* data = nullptr;
    std::uint32_t length = 0;
    if (CurlRequest::perform(url.c_str(), &data, &length, 1, body.c_str(), 1, 0) == 0)
        return 0;
    const std::string reply(static_cast<const char*>(data), length);
    std::free(data);
    return !reply.empty() && reply.front() != '-' ? 1 : 0;
}

} // namespace kesto
