#include "service_client.h"

#include "protocol/field_decoder.h"
#include "protocol/reply_fields.h"

#include <cstdlib>

namespace kesto::service::test {

std::vector<std::string> splitRaw(const std::string& reply) {
    std::vector<std::string> out;
    for (const std::string_view field : ReplyFields::split(reply, kVt))
        out.emplace_back(field);
    return out;
}

std::string decodeField(const std::string& raw) {
    std::string references;
    std::string value;
    return std::string(FieldDecoder::value(FieldDecoder::characterReferences(raw, references), value));
}

std::int64_t decodeNumber(const std::string& raw) {
    return FieldDecoder::toInt(raw);
}

ServiceClient::ServiceClient(const std::filesystem::path& dir) {
    ServiceConfig config;
    config.dataDir = dir.string();
    server_ = std::make_unique<ServiceServer>(config);
    if (!server_->start())
        throw std::runtime_error("service did not start");
}

std::vector<std::string> ServiceClient::login(const std::string& user, const std::string& password) {
    httplib::Client client(server_->baseUrl());
    const auto result = client.Post("/login.jsp", "userid=" + user + "&password=" + password,
                                    "application/x-www-form-urlencoded");
    const auto fields = splitRaw(result ? result->body : std::string());
    user_ = user;
    key_ = fields.size() > 1 ? fields[1] : std::string();
    return fields;
}

std::string ServiceClient::post(const std::string& command, const std::vector<std::string>& fields,
                                const std::string& path) {
    std::string body = user_ + kVt + key_ + kVt;
    for (const std::string& field : fields)
        body += field + kVt;
    return postBody(path + "?" + command, body);
}

std::string ServiceClient::postBody(const std::string& target, const std::string& body) {
    httplib::Client client(server_->baseUrl());
    const auto result = client.Post(target.c_str(), body, "text/plain");
    return result ? result->body : std::string();
}

httplib::Result ServiceClient::get(const std::string& target) {
    httplib::Client client(server_->baseUrl());
    return client.Get(target.c_str());
}

} // namespace kesto::service::test
