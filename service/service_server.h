#pragma once
// The reference store service: an HTTP server on 127.0.0.1 that speaks the store's protocol on
// "/protocol.jsp?<command>" and "/protocol_search.jsp?search", logs users in on "/login.jsp",
// serves the store's web pages and short audio streams, and keeps its state in SQLite under
// the data folder.

#include "service/service_config.h"

#include <memory>
#include <string>

namespace kesto::service {

class ServiceServer {
public:
    explicit ServiceServer(ServiceConfig config);
    ~ServiceServer();
    ServiceServer(const ServiceServer&) = delete;
    ServiceServer& operator=(const ServiceServer&) = delete;

    // Opens the data, binds 127.0.0.1 (port 0: a free port) and serves on a thread of its own.
    // False when the data cannot be opened or the port cannot be bound.
    bool start();
    int port() const;
    // "http://127.0.0.1:<port>": the protocol and web base of the login reply.
    std::string baseUrl() const;
    void stop();

    // Test controls, in process only: from now on the protocol command answers this negative
    // code and message, or nothing at all (the host's request gets no reply); clearFaults()
    // gives every command its own answer again.
    void failCommand(const std::string& command, int code, const std::string& message);
    void silenceCommand(const std::string& command);
    void clearFaults();

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace kesto::service
