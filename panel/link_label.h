#pragma once
// The link label of the list view: the text of the last link a service page announces in its
// title, clickable. A click hands the link, as the page wrote it, to the handler.

#include "links/title_links.h"

#include <QLabel>

#include <functional>
#include <optional>
#include <string>

namespace kesto {

class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    static constexpr const char* kFontFamily = "MS Sans Serif";

    explicit LinkLabel(QWidget* parent);

    // Nothing clears the label.
    void showLink(const std::optional<TitleLink>& link);
    const std::string& link() const { return link_; }
    void setHandler(std::function<void(const std::string&)> handler) { handler_ = std::move(handler); }

private:
    std::string link_;
    std::function<void(const std::string&)> handler_;
};

} // namespace kesto
