#include "platform/module_path.h"

#include <dlfcn.h>

namespace kesto {
namespace {
void anchor() {}
} // namespace

std::filesystem::path ModulePath::file() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&anchor), &info) != 0 && info.dli_fname != nullptr) {
        std::error_code ec;
        auto path = std::filesystem::canonical(info.dli_fname, ec);
        return ec ? std::filesystem::path(info.dli_fname) : path;
    }
    return std::filesystem::read_symlink("/proc/self/exe");
}

} // namespace kesto
