// The login reply loader on arbitrary bytes: every text field stays terminated within its
// capacity, and a reply with fewer than 34 fields leaves the block as it was.
#include "entry/login_reply_loader.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

template <std::size_t N> void checkTerminated(const char (&field)[N]) {
    if (std::memchr(field, '\0', N) == nullptr)
        std::abort();
}

void checkBlock(const kesto::LoginBlock& b) {
    checkTerminated(b.uKey);
    checkTerminated(b.password);
    checkTerminated(b.field4);
    checkTerminated(b.joinedKey);
    checkTerminated(b.field6);
    checkTerminated(b.field7);
    checkTerminated(b.memberClass);
    checkTerminated(b.field12);
    checkTerminated(b.field16);
    checkTerminated(b.field17);
    checkTerminated(b.field18);
    checkTerminated(b.field19);
    checkTerminated(b.phoneNumber);
    checkTerminated(b.protocolBase);
    checkTerminated(b.webBase);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    kesto::LoginBlock block;
    const bool loaded = kesto::LoginReplyLoader::load(block, reply);
    checkBlock(block);
    if (!loaded && block.loginState != -1)
        std::abort();
    // A second load over a filled block must hold the same bounds.
    kesto::LoginReplyLoader::load(block, reply.substr(size / 2));
    checkBlock(block);
    return 0;
}
