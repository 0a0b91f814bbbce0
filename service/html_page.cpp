#include "service/html_page.h"

namespace kesto::service {

HtmlPage& HtmlPage::titleLink(const std::string& text, const std::string& link) {
    titleLinks_.emplace_back(text, link);
    return *this;
}

HtmlPage& HtmlPage::paragraph(const std::string& text) {
    body_ += "<p>" + escape(text) + "</p>\n";
    return *this;
}

HtmlPage& HtmlPage::link(const std::string& href, const std::string& text) {
    body_ += "<div class=\"item\"><a href=\"" + escape(href) + "\">" + escape(text) + "</a></div>\n";
    return *this;
}

HtmlPage& HtmlPage::section(const std::string& text) {
    body_ += "<h2>" + escape(text) + "</h2>\n";
    return *this;
}

HtmlPage& HtmlPage::form(const std::string& action,
                         const std::vector<std::pair<std::string, std::string>>& fields,
                         const std::string& button) {
    body_ += "<form method=\"post\" action=\"" + escape(action) + "\">\n";
    for (const auto& [name, value] : fields)
        body_ += "<input type=\"hidden\" name=\"" + escape(name) + "\" value=\"" + escape(value) + "\">\n";
    body_ += "<input type=\"submit\" value=\"" + escape(button) + "\"></form>\n";
    return *this;
}

std::string HtmlPage::escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\n':
            out += "<br>";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string HtmlPage::title() const {
    std::string text = std::to_string(titleLinks_.size());
    // A '|' inside a label or link would shift every later pair.
    auto clean = [](std::string part) {
        for (char& c : part)
            if (c == '|')
                c = ' ';
        return part;
    };
    for (const auto& [label, link] : titleLinks_)
        text += "|" + clean(label) + "|" + clean(link);
    return text;
}

std::string HtmlPage::str() const {
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"" + std::string(kContentType) +
           "\">\n<title>" + escape(title()) + "</title></head>\n<body>\n<h1>" + escape(heading_) + "</h1>\n" +
           body_ + "</body></html>\n";
}

} // namespace kesto::service
