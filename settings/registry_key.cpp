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
    close();
}

bool RegistryKey::create(const std::string& path) {
    close();
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

bool RegistryKey::open(const std::string& path) {
    close();
    file_->read([&](const RegistryDocument& doc) { held_ = doc.hasKey(path); });
    if (held_)
        openPath_ = path;
    return held_;
}

bool RegistryKey::deleteSubKey(const std::string& name) {
    if (!held_ || name.empty())
        return false;
    const std::string path = openPath_ + "\\" + name;
    return file_->modify([&](RegistryDocument& doc) { return doc.deleteKey(path); });
}

void RegistryKey::close() {
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

bool RegistryKey::writeDword(const std::string& name, std::uint32_t value) {
    return setValue({name, RegistryValue::Type::Dword, {}, value});
}

bool RegistryKey::writeString(const std::string& name, const std::string& text) {
    // A NUL ends the text, as it ends the C string a registry write takes.
    return setValue({name, RegistryValue::Type::String, text.substr(0, text.find('\0')), 0});
}

bool RegistryKey::readDword(const std::string& name, std::uint32_t& out) {
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

bool RegistryKey::readString(const std::string& name, char* buffer, std::size_t size) {
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

bool RegistryKey::subKeyNames(std::vector<std::string>& names) {
    if (!held_)
        return false;
    file_->read([&](const RegistryDocument& doc) { names = doc.subKeys(openPath_); });
    return true;
}

void RegistryKey::readRootString(std::string& out, const std::string& name) {
    readSectionString("", out, name);
}

void RegistryKey::writeRootString(const std::string& text, const std::string& name) {
    writeSectionString("", text, name);
}

void RegistryKey::readSectionString(const std::string& section, std::string& out, const std::string& name) {
    if (!open(sectionPath(section)))
        return;
    char buffer[kReadBuffer] = {};
    if (readString(name, buffer, sizeof buffer))
        out.assign(buffer, strnlen(buffer, sizeof buffer));
    close();
}

void RegistryKey::writeSectionString(const std::string& section, const std::string& text,
                                     const std::string& name) {
    if (create(sectionPath(section)))
        writeString(name, text);
    close();
}

void RegistryKey::readSectionDword(const std::string& section, std::uint32_t& out, const std::string& name) {
    if (!open(sectionPath(section)))
        return;
    out = 0;
    readDword(name, out);
    close();
}

void RegistryKey::writeSectionDword(const std::string& section, std::uint32_t value,
                                    const std::string& name) {
    if (create(sectionPath(section)))
        writeDword(name, value);
    close();
}

} // namespace kesto
