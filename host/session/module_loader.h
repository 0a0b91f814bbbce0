#pragma once
// Loads the panel module with dlopen, as any host would, and hands out its entry table.

#include "include/kesto/panel_api.h"

#include <QString>

namespace kesto {

class ModuleLoader {
public:
    ModuleLoader() = default;
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;
    // The module stays loaded: its Qt objects may outlive this loader until the process ends.
    ~ModuleLoader() = default;

    bool load(const QString& path);
    QString error() const { return error_; }

    // Song_GetPanelInfo with the host window; null when refused or not loaded.
    KestoEntryFn* open(void* hostWindow);
    KestoEntryFn* table() const { return table_; }

    template <class Fn> Fn entry(int index) const {
        return table_ != nullptr ? reinterpret_cast<Fn>(table_[index]) : nullptr;
    }

private:
    void* handle_ = nullptr;
    KestoGetPanelInfoFn getInfo_ = nullptr;
    KestoEntryFn* table_ = nullptr;
    QString error_;
};

} // namespace kesto
