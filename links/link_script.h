#pragma once
// The script the web view puts into each top-level document, in a script world of its own,
// before the page's own scripts run: it catches clicks on links, and submissions of forms, whose
// href or action, as written, begins with one of the link schemes and stops the browser from
// following them; for one the user made (a trusted event) it hands the raw text and the
// document's origin to the view through the object the view publishes on its web channel.
// Links are queued until the channel is up.

#include <string>
#include <string_view>

namespace kesto {

class LinkScript {
public:
    // The name of the published object; it offers link(raw, origin) and ready().
    static constexpr std::string_view kObjectName = "kestoLinks";

    // The script text; it expects QWebChannel (qwebchannel.js) to be defined before it.
    static std::string source();
    // A single-quoted JavaScript literal of a constant text (quotes and backslashes escaped).
    static std::string quoted(std::string_view text);
};

} // namespace kesto
