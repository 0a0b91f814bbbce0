#include "pages/page_history.h"

namespace kesto {

void PageHistory::record(const PageRequest& page) {
    // The page shown again is no step: going back from it would show it once more.
    if (current_ && current_->menuId == page.menuId && current_->parameter == page.parameter &&
        current_->url == page.url && current_->body == page.body) {
        current_ = page;
        return;
    }
    if (current_)
        previous_.push_back(std::move(*current_));
    current_ = page;
    next_.clear();
}

std::optional<PageRequest> PageHistory::step(bool forward) {
    std::vector<PageRequest>& from = forward ? next_ : previous_;
    std::vector<PageRequest>& to = forward ? previous_ : next_;
    if (from.empty())
        return std::nullopt;
    if (current_)
        to.push_back(std::move(*current_));
    current_ = std::move(from.back());
    from.pop_back();
    return current_;
}

void PageHistory::clear() {
    previous_.clear();
    next_.clear();
    current_.reset();
}

} // namespace kesto
