#pragma once
// The pages shown before and after the current one, for the previous-page and next-page
// buttons and for entries 47 and 48.

#include "pages/page_request.h"

#include <optional>
#include <vector>

namespace kesto {

class PageHistory {
public:
    // A page shown by a caller: the current page becomes the last previous one and the
    // next pages are dropped.
    void record(const PageRequest& page);
    // The page to show for a step back (forward false) or forward; nothing when there is none.
    std::optional<PageRequest> step(bool forward);
    bool has(bool forward) const { return !(forward ? next_ : previous_).empty(); }
    std::size_t count(bool forward) const { return (forward ? next_ : previous_).size(); }
    void clear();

private:
    std::vector<PageRequest> previous_;
    std::vector<PageRequest> next_;
    std::optional<PageRequest> current_;
};

} // namespace kesto
