// Usage: kesto_crash_writer settings|album write|check PATH [rounds]
// write runs the writes (forever without rounds) so that a trial can kill it; check prints
// what the next start finds and exits 1 unless the file is whole.

#include "tests/crash/album_trial.h"
#include "tests/crash/settings_trial.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s settings|album write|check PATH [rounds]\n", argv[0]);
        return 2;
    }
    const std::string kind = argv[1], action = argv[2];
    const long rounds = argc > 4 ? std::atol(argv[4]) : 0;
    std::string problem;
    if (kind == "settings") {
        kesto::crash::SettingsTrial trial(argv[3]);
        action == "write" ? trial.write(rounds) : void(problem = trial.check());
    } else if (kind == "album") {
        kesto::crash::AlbumTrial trial(argv[3]);
        action == "write" ? trial.write(rounds) : void(problem = trial.check());
    } else {
        return 2;
    }
    if (!problem.empty()) {
        std::printf("%s\n", problem.c_str());
        return 1;
    }
    return 0;
}
