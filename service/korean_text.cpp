#include "service/korean_text.h"

#include "platform/cp949.h"

#include <map>
#include <mutex>

namespace kesto::service {

const std::string& KoreanText::of(const char* utf8) {
    static std::mutex mutex;
    static std::map<const char*, std::string> cache;
    std::lock_guard lock(mutex);
    auto it = cache.find(utf8);
    if (it == cache.end())
        it = cache.emplace(utf8, Cp949::fromUtf8(utf8)).first;
    return it->second;
}

} // namespace kesto::service
