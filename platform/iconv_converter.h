#pragma once
// One iconv descriptor. Not thread-safe: keep one per thread.

#include <cstddef>
#include <string>
#include <string_view>

#include <iconv.h>

namespace kesto {

class IconvConverter {
public:
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool valid() const;

    // Appends text converted whole to out and returns true; otherwise returns false with
    // stoppedAt set to where iconv gave up (which may lie before or just after the character
    // it refused) and whatever it appended left for the caller to drop. Reads only text.
    bool convert(std::string_view text, std::string& out, std::size_t& stoppedAt);

private:
    iconv_t cd_;
};

} // namespace kesto
