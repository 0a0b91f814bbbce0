// kesto-service --port N --data DIR: the reference store service on 127.0.0.1. Port 0 picks a
// free port; the chosen port is printed on the first line of output.
#include "service/service_server.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) {
    stopRequested = 1;
}

int usage() {
    std::fprintf(stderr, "usage: kesto-service --port N --data DIR\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    kesto::service::ServiceConfig config;
    config.dataDir = "kesto-service-data";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--port" && i + 1 < argc)
            config.port = std::atoi(argv[++i]);
        else if (arg == "--data" && i + 1 < argc)
            config.dataDir = argv[++i];
        else
            return usage();
    }
    kesto::service::ServiceServer server(config);
    if (!server.start()) {
        std::fprintf(stderr, "kesto-service: cannot start on port %d with data in %s\n", config.port,
                     config.dataDir.c_str());
        return 1;
    }
    std::printf("%d\n", server.port());
    std::fflush(stdout);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    while (stopRequested == 0)
        pause();
    server.stop();
    return 0;
}
