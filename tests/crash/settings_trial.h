#pragma once
// Settings writes for the crash trials: every write stamps all the values it touches with one
// generation, so a whole file holds one generation per group (old or new, never a mix).

#include <filesystem>

namespace kesto::crash {

class SettingsTrial {
public:
    explicit SettingsTrial(std::filesystem::path file) : file_(std::move(file)) {}

    // Column set saves and mixed batches in turn, rounds times (forever when 0).
    void write(long rounds);
    // Empty when the file is whole, else what is wrong.
    std::string check();

private:
    std::filesystem::path file_;
};

} // namespace kesto::crash
