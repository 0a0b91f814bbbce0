#pragma once
// The wait cursor shows while the store is asked, and goes however the asking ends.

#include <functional>

namespace kesto {

class WaitCursor {
public:
    explicit WaitCursor(const std::function<void(bool)>& show) : show_(show) {
        if (show_)
            show_(true);
    }
    ~WaitCursor() {
        if (show_)
            show_(false);
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    const std::function<void(bool)>& show_;
};

} // namespace kesto
