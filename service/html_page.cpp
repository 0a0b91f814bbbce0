#include "service/html_page.h"

#include <functional>

namespace kesto::service {
namespace {

// One small sheet for every page: it reads at the panel's usual height of the HTML view.
constexpr const char* kStyle =
    "body{margin:0;font:13px/1.45 'NanumGothic','Noto Sans CJK "
    "KR',sans-serif;color:#1f2a37;background:#f3f6fa}"
    "header{background:linear-gradient(#3f7fca,#2f6ec0);color:#fff;padding:6px 14px}"
    "h1{font-size:16px;margin:0;font-weight:700}"
    "main{padding:4px 14px 10px}"
    "h2{font-size:13px;color:#2f6ec0;border-bottom:1px solid #d5dfeb;margin:10px 0 6px;padding-bottom:2px}"
    "a{color:#1f4f8f;text-decoration:none}a:hover{text-decoration:underline}"
    "p{margin:4px 0}.item{display:inline-block;margin:2px 12px 2px 0}"
    ".song{display:flex;align-items:center;gap:8px;padding:3px 0;border-bottom:1px solid #e3e9f1}"
    ".song .name{font-weight:600;min-width:150px}.song .by{color:#5a6b80;flex:1}"
    ".act{background:#2f6ec0;color:#fff;border-radius:4px;padding:1px 8px;font-size:12px}"
    ".act:hover{background:#3f7fca;text-decoration:none}"
    ".tile{display:inline-block;width:92px;margin:0 8px 8px 0;vertical-align:top;font-size:12px}"
    ".cover{border-radius:4px;display:block;margin-bottom:2px}"
    "input[type=submit]{background:#2f6ec0;color:#fff;border:0;border-radius:4px;padding:3px 12px}";
constexpr int kRowCover = 28;
constexpr int kTileCover = 88;

} // namespace

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

HtmlPage& HtmlPage::songRow(const std::vector<std::pair<std::string, std::string>>& links,
                            const std::vector<std::pair<std::string, std::string>>& actions) {
    body_ += "<div class=\"song\">" + cover(links.empty() ? std::string() : links.front().second, kRowCover);
    for (std::size_t i = 0; i < links.size(); ++i) {
        const char* kind = i == 0 ? "name" : "by";
        body_ += std::string("<span class=\"") + kind + "\"><a href=\"" + escape(links[i].first) + "\">" +
                 escape(links[i].second) + "</a></span>";
    }
    for (const auto& [href, text] : actions)
        body_ += "<a class=\"act\" href=\"" + escape(href) + "\">" + escape(text) + "</a>";
    body_ += "</div>\n";
    return *this;
}

HtmlPage& HtmlPage::tile(const std::string& href, const std::string& text) {
    body_ += "<a class=\"tile\" href=\"" + escape(href) + "\">" + cover(text, kTileCover) + escape(text) +
             "</a>\n";
    return *this;
}

std::string HtmlPage::cover(const std::string& name, int side) {
    const std::size_t hash = std::hash<std::string>{}(name);
    const int hue = static_cast<int>(hash % 360);
    // The first character whole: a CP949 lead byte takes the byte after it along.
    std::string initial =
        name.substr(0, !name.empty() && static_cast<unsigned char>(name[0]) >= 0x81 ? 2 : 1);
    const std::string id = "g" + std::to_string(hash % 100000);
    const std::string s = std::to_string(side);
    return "<svg class=\"cover\" width=\"" + s + "\" height=\"" + s +
           "\" viewBox=\"0 0 100 100\">"
           "<defs><linearGradient id=\"" +
           id +
           "\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">"
           "<stop offset=\"0\" stop-color=\"hsl(" +
           std::to_string(hue) +
           ",60%,68%)\"/>"
           "<stop offset=\"1\" stop-color=\"hsl(" +
           std::to_string((hue + 40) % 360) +
           ",55%,42%)\"/>"
           "</linearGradient></defs><rect width=\"100\" height=\"100\" fill=\"url(#" +
           id +
           ")\"/>"
           "<circle cx=\"72\" cy=\"30\" r=\"16\" fill=\"#ffffff\" fill-opacity=\"0.18\"/>"
           "<text x=\"50\" y=\"66\" font-size=\"46\" font-weight=\"700\" fill=\"#fff\" "
           "text-anchor=\"middle\">" +
           escape(initial) + "</text></svg>";
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
           "\">\n<title>" + escape(title()) + "</title>\n<style>" + kStyle +
           "</style></head>\n<body>\n<header><h1>" + escape(heading_) + "</h1></header>\n<main>\n" + body_ +
           "</main>\n</body></html>\n";
}

} // namespace kesto::service
