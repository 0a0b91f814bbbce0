#pragma once
// The part of the settings tree that holds column layouts: one key per page kind and column
// kind under "Software\Kesto\ListPanel\ListColumnInfo", four text values in each.

#include <string>
#include <vector>

namespace kesto {

class ColumnSettings {
public:
    virtual ~ColumnSettings() = default;

    // Names of the column keys of a page kind, in stored order; false when the page has no key.
    virtual bool columnKeys(int pageKind, std::vector<std::string>& names) = 0;
    // One text value of a column key; false when the key or the value cannot be read.
    virtual bool read(int pageKind, const std::string& columnKey, const std::string& name,
                      std::string& out) = 0;
    // Writes one text value, creating the key as needed.
    virtual void write(int pageKind, int columnKind, const std::string& name, const std::string& text) = 0;
    virtual void remove(int pageKind, const std::string& columnKey) = 0;

    // Writes between these two calls may be stored together (a whole set is saved at once).
    virtual void beginBatch() {}
    virtual void endBatch() {}
};

} // namespace kesto
