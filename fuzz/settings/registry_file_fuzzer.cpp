// The settings file reader on arbitrary bytes: it must not crash, what it writes must read
// back to the same file, and a value set afterwards must be found with nothing else lost.
#include "settings/registry_document.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kesto::RegistryDocument;
    using kesto::RegistryValue;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RegistryDocument doc = RegistryDocument::parse(bytes);
    const std::string written = doc.serialize();
    const RegistryDocument again = RegistryDocument::parse(written);
    check(!again.damaged());
    check(again.serialize() == written);
    check(again.valueCount() == doc.valueCount());

    const std::string path = "Software\\Kesto\\Probe";
    doc.createKey(path);
    const RegistryValue probe{"Probe", RegistryValue::Type::String, std::string("\xB0\xA1\n\x80", 4), 0};
    check(doc.setValue(path, probe) != RegistryDocument::SetResult::NoKey);
    const RegistryDocument probed = RegistryDocument::parse(doc.serialize());
    const RegistryValue* found = probed.value(path, "PROBE");
    check(found != nullptr && found->data == probe.data);
    check(probed.valueCount() >= again.valueCount());
    return 0;
}
