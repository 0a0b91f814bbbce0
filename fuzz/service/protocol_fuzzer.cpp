// Protocol requests from untrusted clients: the first line is the command word, the rest the
// body. Every input must give a reply that starts with a result code; nothing may crash.
#include "service/login_exchange.h"
#include "service/service_commands.h"
#include "service/service_context.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using namespace kesto::service;

struct Harness {
    Harness() : context(config()) {
        if (!context.open())
            std::abort();
        commands = std::make_unique<ServiceCommands>(context);
        const std::string reply = LoginExchange(context).login("fuzz", "pw", "http://127.0.0.1:1");
        key = reply.substr(2, reply.find('\x0B', 2) - 2);
    }
    ~Harness() {
        std::error_code ignored;
        std::filesystem::remove_all(context.config().dataDir, ignored);
    }
    static ServiceConfig config() {
        ServiceConfig c;
        // Memory-backed where there is one: commands that change the user's state commit.
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        c.dataDir = (base / ("kesto-service-fuzz-" + std::to_string(getpid()))).string();
        c.maxBodyBytes = 4096;
        return c;
    }
    ServiceContext context;
    std::unique_ptr<ServiceCommands> commands;
    std::string key;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Harness harness;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string command = input.substr(0, newline);
    std::string body = newline == std::string::npos ? std::string() : input.substr(newline + 1);
    // "$KEY" stands for a valid u_key, so inputs reach the commands past the log-in check.
    if (const std::size_t at = body.find("$KEY"); at != std::string::npos)
        body.replace(at, 4, harness.key);
    const std::string reply = harness.commands->router().handle(command, body, "http://127.0.0.1:1");
    if (reply.empty() || !(reply[0] == '-' || (reply[0] >= '0' && reply[0] <= '9')))
        std::abort();
    return 0;
}
