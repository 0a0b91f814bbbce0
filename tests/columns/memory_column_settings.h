#pragma once
// Column layouts held in memory, in stored order, for tests without the settings file.

#include "columns/column_settings.h"

#include <algorithm>
#include <map>
#include <utility>

namespace kesto::test {

class MemoryColumnSettings final : public ColumnSettings {
public:
    using Values = std::map<std::string, std::string>;
    using Page = std::vector<std::pair<std::string, Values>>;

    bool columnKeys(int pageKind, std::vector<std::string>& names) override {
        names.clear();
        const auto page = pages.find(pageKind);
        if (page == pages.end())
            return false;
        for (const auto& entry : page->second)
            names.push_back(entry.first);
        return true;
    }
    bool read(int pageKind, const std::string& key, const std::string& name, std::string& out) override {
        const Values* values = find(pageKind, key);
        if (values == nullptr || !values->contains(name))
            return false;
        out = values->at(name);
        return true;
    }
    void write(int pageKind, int columnKind, const std::string& name, const std::string& text) override {
        ++writes;
        const std::string key = std::to_string(columnKind);
        Page& page = pages[pageKind];
        auto entry = std::find_if(page.begin(), page.end(), [&](const auto& e) { return e.first == key; });
        if (entry == page.end())
            entry = page.insert(page.end(), {key, {}});
        entry->second[name] = text;
    }
    void remove(int pageKind, const std::string& key) override {
        Page& page = pages[pageKind];
        std::erase_if(page, [&](const auto& e) { return e.first == key; });
    }

    Values* find(int pageKind, const std::string& key) {
        const auto page = pages.find(pageKind);
        if (page == pages.end())
            return nullptr;
        for (auto& entry : page->second)
            if (entry.first == key)
                return &entry.second;
        return nullptr;
    }

    std::map<int, Page> pages;
    int writes = 0;
};

} // namespace kesto::test
