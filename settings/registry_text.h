#pragma once
// The text pieces of a registry export: file decoding and quoted strings.
//
// The file is read as UTF-16LE with a byte-order mark (what Windows writes), UTF-8 with or
// without one, or, failing those, CP949 (an old ANSI export). It is written as UTF-8.
// Values are CP949 in memory; a quoted string converts CP949 to UTF-8 on the way out and back
// on the way in. A byte that is not valid CP949 cannot pass through UTF-8, so it is written
// as the escape \xHH, which an export never contains: there every backslash is doubled.

#include <optional>
#include <string>
#include <string_view>

namespace kesto {

class RegistryText {
public:
    struct Decoded {
        std::string utf8;
        bool clean = true; // false when some bytes could not be decoded
    };

    static Decoded decodeFile(std::string_view bytes);

    // "text" with \\ and \" escapes, UTF-8, from CP949 bytes.
    static std::string quote(std::string_view cp949);

    // Reads a quoted string starting at text[pos] == '"'; on success returns its CP949 bytes
    // and moves pos past the closing quote.
    static std::optional<std::string> unquote(std::string_view text, std::size_t& pos);

    static bool isValidUtf8(std::string_view text);
};

} // namespace kesto
