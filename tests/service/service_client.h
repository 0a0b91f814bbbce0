#pragma once
// Test side of the service: a real server in a temporary folder, a real HTTP client on
// loopback, and the panel's own reply decoding (split at VT, character references, "NULL" in
// any case, percent-decoding), so that a reply the panel cannot read fails here.

#include "service/service_server.h"
#include "support/temp_folder.h"

#include <httplib.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kesto::service::test {

inline constexpr char kVt = '\x0B';

// Fields as they came, cut at every VT.
std::vector<std::string> splitRaw(const std::string& reply);
// One field through the panel's decoding.
std::string decodeField(const std::string& raw);
std::int64_t decodeNumber(const std::string& raw);

using TempDir = kesto::test::TempFolder;

class ServiceClient {
public:
    // Starts a service on a free port with its data in `dir`.
    explicit ServiceClient(const std::filesystem::path& dir);

    ServiceServer& server() { return *server_; }
    // Logs in and keeps the u_key; the login reply's fields.
    std::vector<std::string> login(const std::string& user, const std::string& password = "pw");
    // Posts id, key and the fields, each followed by VT; the raw reply ("" when none came).
    std::string post(const std::string& command, const std::vector<std::string>& fields,
                     const std::string& path = "/protocol.jsp");
    std::string postBody(const std::string& target, const std::string& body);
    httplib::Result get(const std::string& target);

private:
    std::unique_ptr<ServiceServer> server_;
    std::string user_;
    std::string key_;
};

} // namespace kesto::service::test
