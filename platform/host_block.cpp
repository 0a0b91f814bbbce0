#include "platform/host_block.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace kesto {

std::string HostBlock::takeReply(void* data, std::uint32_t length) {
    // The block is freed even when its copy finds no memory.
    const std::unique_ptr<void, decltype(&std::free)> block(data, &std::free);
    std::string reply;
    if (data != nullptr)
        reply.assign(static_cast<const char*>(data), length);
    return reply;
}

char* HostBlock::copyForHost(std::string_view text, std::size_t minSize) {
    const std::size_t size = std::max(text.size() + 1, minSize);
    auto* block = static_cast<char*>(std::calloc(size, 1));
    if (block != nullptr && !text.empty()) // an empty view may have no data at all
        std::memcpy(block, text.data(), text.size());
    return block;
}

void* HostBlock::copyBytes(const void* data, std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr && size > 0)
        std::memcpy(block, data, size);
    return block;
}

} // namespace kesto
