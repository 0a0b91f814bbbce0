#include "settings/registry_document.h"

#include "platform/cp949.h"
#include "platform/hex_digit.h"
#include "settings/registry_text.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace kesto {
namespace {

constexpr std::string_view kHive = "HKEY_CURRENT_USER";
constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::string_view kEol = "\r\n";

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// The path as a section names it: hive first, no leading or trailing backslash.
std::string fullPath(std::string_view path) {
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    std::string full(kHive);
    if (!path.empty())
        full.append("\\").append(path);
    return full;
}

std::string toCp949(std::string_view utf8) {
    return Cp949::fromUtf8(utf8);
}

bool isTypeWord(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '(' ||
               c == ')';
    });
}

std::optional<std::uint32_t> parseDword(std::string_view hex) {
    if (hex.empty() || hex.size() > 8)
        return std::nullopt;
    std::uint32_t v = 0;
    for (char c : hex) {
        const int d = HexDigit::value(c);
        if (d < 0)
            return std::nullopt;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    return v;
}

std::string valueLine(const RegistryValue& v) {
    std::string line = v.name.empty() ? std::string("@") : RegistryText::quote(v.name);
    line += '=';
    switch (v.type) {
    case RegistryValue::Type::String:
        line += RegistryText::quote(v.data);
        break;
    case RegistryValue::Type::Dword: {
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x", v.number);
        line += buf;
        break;
    }
    case RegistryValue::Type::Other:
        line += v.data;
        break;
    }
    return line;
}

bool sameValue(const RegistryValue& a, const RegistryValue& b) {
    return a.type == b.type && a.data == b.data &&
           (a.type != RegistryValue::Type::Dword || a.number == b.number);
}

bool isBlank(const std::string& text) {
    return trimmed(text).empty();
}

} // namespace

RegistryDocument RegistryDocument::parse(std::string_view fileBytes) {
    RegistryDocument doc;
    const RegistryText::Decoded decoded = RegistryText::decodeFile(fileBytes);
    doc.damaged_ = !decoded.clean;
    doc.parseLines(decoded.utf8);
    return doc;
}

void RegistryDocument::parseLines(std::string_view utf8) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < utf8.size();) {
        std::size_t end = utf8.find('\n', start);
        if (end == std::string_view::npos)
            end = utf8.size();
        std::string_view line = utf8.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    bool sawHeader = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::string_view t = trimmed(line);
        const bool keep = t.empty() || t.front() == ';' || t.starts_with("[-");
        if (!sawHeader) {
            if (t == kHeader || t == kOldHeader)
                sawHeader = true;
            else if (!keep)
                damaged_ = true;
            if (sawHeader || keep)
                preamble_.emplace_back(line);
            continue;
        }
        if (keep) {
            if (sections_.empty())
                preamble_.emplace_back(line);
            else
                sections_.back().lines.push_back({std::string(line), std::nullopt});
            continue;
        }
        if (t.front() == '[' && t.back() == ']') {
            const std::string path = toCp949(t.substr(1, t.size() - 2));
            sections_.push_back({path, Cp949::foldCase(path), std::string(line), {}});
            continue;
        }
        Line parsed;
        if (!sections_.empty() && parseValueLine(lines, i, parsed))
            sections_.back().lines.push_back(std::move(parsed));
        else
            damaged_ = true;
    }
    if (!sawHeader && !lines.empty() && !(lines.size() == 1 && lines[0].empty()))
        damaged_ = true;
    hasHeader_ = sawHeader;
}

bool RegistryDocument::parseValueLine(const std::vector<std::string_view>& lines, std::size_t& i, Line& out) {
    const std::string_view line = lines[i];
    std::size_t pos = line.find_first_not_of(" \t");
    RegistryValue value;
    if (line[pos] == '@') {
        ++pos;
    } else {
        std::optional<std::string> name = RegistryText::unquote(line, pos);
        if (!name)
            return false;
        value.name = std::move(*name);
    }
    const std::string_view afterName = trimmed(line.substr(pos));
    if (afterName.empty() || afterName.front() != '=')
        return false;
    std::string_view data = trimmed(afterName.substr(1));
    if (data == "-") {
        out.text = line; // a deletion marker of an import file: kept, not a value
        return true;
    }
    if (!data.empty() && data.front() == '"') {
        const std::size_t start = static_cast<std::size_t>(data.data() - line.data());
        std::size_t p = start;
        std::optional<std::string> text = RegistryText::unquote(line, p);
        if (!text || !trimmed(line.substr(p)).empty())
            return false;
        value.data = std::move(*text);
    } else if (data.starts_with("dword:")) {
        const std::optional<std::uint32_t> number = parseDword(data.substr(6));
        if (!number)
            return false;
        value.type = RegistryValue::Type::Dword;
        value.number = *number;
    } else {
        const std::size_t colon = data.find(':');
        if (colon == std::string_view::npos || !isTypeWord(data.substr(0, colon)))
            return false;
        value.type = RegistryValue::Type::Other;
        value.data = data;
        out.text = line;
        // Long binary data goes on over lines that end in a backslash.
        while (!data.empty() && data.back() == '\\' && i + 1 < lines.size()) {
            data = lines[++i];
            value.data.append("\n").append(data);
            out.text.append("\n").append(data);
        }
        out.value = std::move(value);
        return true;
    }
    out.text = line;
    out.value = std::move(value);
    return true;
}

std::string RegistryDocument::serialize() const {
    std::string out;
    const auto put = [&out](std::string_view text) {
        for (std::size_t start = 0;;) {
            const std::size_t nl = text.find('\n', start);
            out.append(text.substr(start, nl - start)).append(kEol);
            if (nl == std::string_view::npos)
                break;
            start = nl + 1;
        }
    };
    if (!hasHeader_) {
        put(kHeader);
        if (preamble_.empty() || !isBlank(preamble_.front()))
            put("");
    }
    for (const std::string& line : preamble_)
        put(line);
    for (const Section& section : sections_) {
        put(section.header);
        for (const Line& line : section.lines)
            put(line.text);
    }
    return out;
}

RegistryDocument::Section* RegistryDocument::findSection(std::string_view path) {
    return const_cast<Section*>(std::as_const(*this).findSection(path));
}

const RegistryDocument::Section* RegistryDocument::findSection(std::string_view path) const {
    const std::string folded = Cp949::foldCase(fullPath(path));
    for (const Section& section : sections_)
        if (section.folded == folded)
            return &section;
    return nullptr;
}

bool RegistryDocument::hasKey(std::string_view path) const {
    const std::string folded = Cp949::foldCase(fullPath(path));
    if (folded.size() == kHive.size())
        return true;
    for (const Section& section : sections_)
        if (section.folded.starts_with(folded) &&
            (section.folded.size() == folded.size() || section.folded[folded.size()] == '\\'))
            return true;
    return false;
}

RegistryDocument::Section& RegistryDocument::addSection(std::string_view path) {
    if (!sections_.empty() &&
        (sections_.back().lines.empty() || !isBlank(sections_.back().lines.back().text)))
        sections_.back().lines.push_back({"", std::nullopt});
    if (sections_.empty() && !hasHeader_) {
        preamble_.insert(preamble_.begin(), std::string(kHeader));
        hasHeader_ = true;
    }
    if (sections_.empty() && !isBlank(preamble_.back()))
        preamble_.emplace_back();
    const std::string full = fullPath(path);
    sections_.push_back({full, Cp949::foldCase(full), "[" + Cp949::toUtf8(full) + "]", {{"", std::nullopt}}});
    return sections_.back();
}

bool RegistryDocument::createKey(std::string_view path) {
    if (hasKey(path))
        return false;
    addSection(path);
    return true;
}

bool RegistryDocument::deleteKey(std::string_view path) {
    const std::string folded = Cp949::foldCase(fullPath(path));
    const auto isChild = [&folded](const Section& s) {
        return s.folded.size() > folded.size() && s.folded.starts_with(folded) &&
               s.folded[folded.size()] == '\\';
    };
    if (folded.size() == kHive.size() || std::any_of(sections_.begin(), sections_.end(), isChild))
        return false;
    const auto it = std::find_if(sections_.begin(), sections_.end(),
                                 [&folded](const Section& s) { return s.folded == folded; });
    if (it == sections_.end())
        return false;
    sections_.erase(it);
    return true;
}

std::vector<std::string> RegistryDocument::subKeys(std::string_view path) const {
    const std::string folded = Cp949::foldCase(fullPath(path)) + "\\";
    std::vector<std::string> names;
    std::vector<std::string> seen;
    for (const Section& section : sections_) {
        if (!section.folded.starts_with(folded) || section.folded.size() == folded.size())
            continue;
        const std::size_t end = section.path.find('\\', folded.size());
        std::string name = section.path.substr(folded.size(), end - folded.size());
        std::string key = Cp949::foldCase(name);
        if (std::find(seen.begin(), seen.end(), key) == seen.end()) {
            seen.push_back(std::move(key));
            names.push_back(std::move(name));
        }
    }
    return names;
}

const RegistryValue* RegistryDocument::value(std::string_view path, std::string_view name) const {
    const Section* section = findSection(path);
    if (section == nullptr)
        return nullptr;
    for (const Line& line : section->lines)
        if (line.value && Cp949::equalsIgnoreCase(line.value->name, name))
            return &*line.value;
    return nullptr;
}

RegistryDocument::SetResult RegistryDocument::setValue(std::string_view path, const RegistryValue& value) {
    Section* section = findSection(path);
    if (section == nullptr) {
        if (!hasKey(path))
            return SetResult::NoKey;
        section = &addSection(path);
    }
    for (Line& line : section->lines) {
        if (!line.value || !Cp949::equalsIgnoreCase(line.value->name, value.name))
            continue;
        if (sameValue(*line.value, value))
            return SetResult::Unchanged;
        // The stored name keeps its spelling, as the registry keeps it.
        RegistryValue replaced = value;
        replaced.name = line.value->name;
        line.text = valueLine(replaced);
        line.value = std::move(replaced);
        return SetResult::Changed;
    }
    auto at = section->lines.end();
    while (at != section->lines.begin() && !(at - 1)->value && isBlank((at - 1)->text))
        --at;
    section->lines.insert(at, {valueLine(value), value});
    return SetResult::Changed;
}

std::size_t RegistryDocument::valueCount() const {
    std::size_t n = 0;
    for (const Section& section : sections_)
        n += static_cast<std::size_t>(std::count_if(section.lines.begin(), section.lines.end(),
                                                    [](const Line& l) { return l.value.has_value(); }));
    return n;
}

} // namespace kesto
