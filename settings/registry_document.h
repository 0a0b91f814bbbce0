#pragma once
// The content of a settings file in registry-export form: the header, then key sections with
// their values. Comments, blank lines and values of types the module does not use are kept as
// they were read. Key paths are relative to HKEY_CURRENT_USER and, like value names, match
// without regard to ASCII case.

#include "settings/registry_value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class RegistryDocument {
public:
    enum class SetResult { NoKey, Unchanged, Changed };

    // Never fails: what cannot be read is left out and damaged() tells.
    static RegistryDocument parse(std::string_view fileBytes);
    // UTF-8, CRLF line ends, as an export has them.
    std::string serialize() const;
    bool damaged() const { return damaged_; }

    // A key exists when it has a section or a subkey has one.
    bool hasKey(std::string_view path) const;
    // True when a section was added.
    bool createKey(std::string_view path);
    // Deletes a key without subkeys; false when it is absent or has subkeys.
    bool deleteKey(std::string_view path);
    // Names of the direct subkeys, in file order.
    std::vector<std::string> subKeys(std::string_view path) const;

    const RegistryValue* value(std::string_view path, std::string_view name) const;
    SetResult setValue(std::string_view path, const RegistryValue& value);

    std::size_t valueCount() const;

private:
    struct Line {
        std::string text; // as read, or as written for a changed value
        std::optional<RegistryValue> value;
    };
    struct Section {
        std::string path;   // full path as in the file, CP949
        std::string folded; // path with ASCII case folded
        std::string header; // the bracket line as read
        std::vector<Line> lines;
    };

    void parseLines(std::string_view utf8);
    bool parseValueLine(const std::vector<std::string_view>& lines, std::size_t& i, Line& out);
    Section* findSection(std::string_view path);
    const Section* findSection(std::string_view path) const;
    Section& addSection(std::string_view path);

    std::vector<std::string> preamble_;
    std::vector<Section> sections_;
    bool damaged_ = false;
    bool hasHeader_ = false;
};

} // namespace kesto
