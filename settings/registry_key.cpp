#include "settings/registry_key.h"

#include "settings/registry_file.h"
#include "settings/settings_keys.h"

#include <cstring>

namespace kesto {
namespace {

// Buffer size of the settings text reads.
constexpr std::size_t kReadBuffer = 260;

std::string sectionPath(const std::string& section) {
    return std::string(settings::kRootPath) + section;
}

} // namespace

RegistryKey::RegistryKey() : RegistryKey(RegistryFile::processDefault()) {}

RegistryKey::RegistryKey(std::shared_ptr<RegistryFile> file) : file_(std::move(file)) {}

RegistryKey::~RegistryKey() {
    Close();
}

bool RegistryKey::Create(const std::string& path) {
    Close();
    bool exists = false;
    file_->read([&](const RegistryDocument& doc) { exists = doc.hasKey(path); });
    if (!exists) {
        file_->modify([&](RegistryDocument& doc) { return doc.createKey(path); });
        file_->read([&](const RegistryDocument& doc) { exists = doc.hasKey(path); });
    }
    if (exists) {
        openPath_ = path;
        held_ = true;
    }
    return held_;
}

bool RegistryKey::Open(const std::string& path) {
    Close();
    file_->read([&](const RegistryDocument& doc) { held_ = doc.hasKey(path); });
    if (held_)
        openPath_ = path;
    return held_;
}

bool RegistryKey::DeleteSubKey(const std::string& name) {
    if (!held_ || name.empty())
        return false;
    const std::string path = openPath_ + "\\" + name;
    return file_->modify([&](RegistryDocument& doc) { return doc.deleteKey(path); });
}

void RegistryKey::Close() {
    held_ = false;
    openPath_.clear();
}

bool RegistryKey::setValue(const RegistryValue& value) {
    if (!held_)
        return false;
    RegistryDocument::SetResult result = RegistryDocument::SetResult::NoKey;
    const bool written = file_->modify([&](RegistryDocument& doc) {
        result = doc.setValue(openPath_, value);
        return result == RegistryDocument::SetResult::Changed;
    });
    return written || result == RegistryDocument::SetResult::Unchanged;
}

bool RegistryKey::SetDword(const std::string& name, std::uint32_t value) {
    return setValue({name, RegistryValue::Type::Dword, {}, value});
}

bool RegistryKey::SetString(const std::string& name, const std::string& text) {
    // A NUL ends the text, as it ends the C string a registry write takes.
    return setValue({name, RegistryValue::Type::String, text.substr(0, text.find('\0')), 0});
}

bool RegistryKey::QueryDword(const std::string& name, std::uint32_t& out) {
    if (!held_)
        return false;
    bool found = false;
    file_->read([&](const RegistryDocument& doc) {
        const RegistryValue* value = doc.value(openPath_, name);
        if (value != nullptr && value->type == RegistryValue::Type::Dword) {
            out = value->number;
            found = true;
        }
    });
    return found;
}

bool RegistryKey::QueryString(const std::string& name, char* buffer, std::size_t size) {
    if (!held_ || buffer == nullptr)
        return false;
    bool found = false;
    file_->read([&](const RegistryDocument& doc) {
        const RegistryValue* value = doc.value(openPath_, name);
        if (value == nullptr)
            return;
        const std::string bytes = value->rawBytes();
        if (bytes.size() > size)
            return;
        std::memcpy(buffer, bytes.data(), bytes.size());
        if (bytes.size() < size)
            buffer[bytes.size()] = '\0';
        found = true;
    });
    return found;
}

bool RegistryKey::EnumSubKeys(std::vector<std::string>& names) {
    if (!held_)
        return false;
    file_->read([&](const RegistryDocument& doc) { names = doc.subKeys(openPath_); });
    return true;
}

void RegistryKey::ReadRootString(std::string& out, const std::string& name) {
    ReadString("", out, name);
}

void RegistryKey::WriteRootString(const std::string& text, const std::string& name) {
    WriteString("", text, name);
}

void RegistryKey::ReadString(const std::string& section, std::string& out, const std::string& name) {
    if (!Open(sectionPath(section)))
        return;
    char buffer[kReadBuffer] = {};
    if (QueryString(name, buffer, sizeof buffer))
        out.assign(buffer, strnlen(buffer, sizeof buffer));
    Close();
}

void RegistryKey::WriteString(const std::string& section, const std::string& text, const std::string& name) {
    if (Create(sectionPath(section)))
        SetString(name, text);
    Close();
}

void RegistryKey::ReadDword(const std::string& section, std::uint32_t& out, const std::string& name) {
    if (!Open(sectionPath(section)))
        return;
    out = 0;
    QueryDword(name, out);
    Close();
}

void RegistryKey::WriteDword(const std::string& section, std::uint32_t value, const std::string& name) {
    if (Create(sectionPath(section)))
        SetDword(name, value);
    Close();
}

} // namespace kesto
