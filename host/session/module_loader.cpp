#include "host/session/module_loader.h"

#include <dlfcn.h>

namespace kesto {

bool ModuleLoader::load(const QString& path) {
    handle_ = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        error_ = QString::fromLocal8Bit(dlerror());
        return false;
    }
    getInfo_ = reinterpret_cast<KestoGetPanelInfoFn>(dlsym(handle_, "Song_GetPanelInfo"));
    if (getInfo_ == nullptr) {
        error_ = QStringLiteral("%1 has no Song_GetPanelInfo").arg(path);
        return false;
    }
    return true;
}

KestoEntryFn* ModuleLoader::open(void* hostWindow) {
    if (getInfo_ == nullptr)
        return nullptr;
    table_ = getInfo_(hostWindow);
    if (table_ == nullptr)
        error_ = QStringLiteral("Song_GetPanelInfo refused the window");
    return table_;
}

} // namespace kesto
