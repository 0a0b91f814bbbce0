#pragma once
// Album database writes for the crash trials: each round imports a batch of songs into one
// play list (one transaction, as an import does), moves the previous batch to another play
// list and deletes the batch before that. Every row carries its batch number in Listen_Count.

#include <filesystem>
#include <string>

namespace kesto::crash {

class AlbumTrial {
public:
    static constexpr int kBatchSize = 20;

    explicit AlbumTrial(std::filesystem::path base) : base_(std::move(base)) {}

    void write(long rounds); // forever when 0
    // Empty when the next start finds a whole database, else what is wrong.
    std::string check();

private:
    std::filesystem::path base_;
};

} // namespace kesto::crash
