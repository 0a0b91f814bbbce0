#include "links/link_script.h"

#include "links/link_scheme.h"

namespace kesto {
namespace {

constexpr std::string_view kBody = R"JS(
  if (window.__kestoLinkScript || window.top !== window) return;
  window.__kestoLinkScript = true;
  var bridge = null;
  var pending = [];
  var tries = 0;
  function send(raw) {
    var origin = location.origin;
    if (bridge) bridge.link(raw, origin); else pending.push([raw, origin]);
  }
  function connect() {
    if (bridge) return;
    if (typeof qt === 'undefined' || !qt.webChannelTransport || typeof QWebChannel === 'undefined') {
      if (++tries < 200) setTimeout(connect, 25);
      return;
    }
    new QWebChannel(qt.webChannelTransport, function (channel) {
      bridge = channel.objects[OBJECT];
      bridge.ready();
      while (pending.length) {
        var one = pending.shift();
        bridge.link(one[0], one[1]);
      }
    });
  }
  function isSchemeLink(raw) {
    for (var i = 0; i < SCHEMES.length; ++i)
      if (raw.indexOf(SCHEMES[i]) === 0) return true;
    return false;
  }
  // A scheme link never loads; only the user's own act (a click or a submission a script
  // made is swallowed).
  function take(event, raw) {
    if (!isSchemeLink(raw)) return;
    event.preventDefault();
    event.stopPropagation();
    if (event.isTrusted) send(raw);
  }
  document.addEventListener('click', function (event) {
    var target = event.target;
    if (!target || !target.closest) return;
    var anchor = target.closest('a[href]');
    if (anchor) take(event, anchor.getAttribute('href'));
  }, true);
  document.addEventListener('submit', function (event) {
    var form = event.target;
    if (!form || !form.getAttribute) return;
    var by = event.submitter;
    take(event, (by && by.getAttribute('formaction')) || form.getAttribute('action') || '');
  }, true);
  connect();
)JS";

std::string schemeArray() {
    std::string array = "[";
    for (const LinkScheme::Entry& entry : LinkScheme::table()) {
        if (array.size() > 1)
            array += ", ";
        array += LinkScript::quoted(entry.scheme);
    }
    return array + "]";
}

} // namespace

std::string LinkScript::source() {
    std::string text =
        "(function () {\n  var SCHEMES = " + schemeArray() + ";\n  var OBJECT = " + quoted(kObjectName) + ";";
    text += kBody;
    text += "})();\n";
    return text;
}

std::string LinkScript::quoted(std::string_view text) {
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "'";
}

} // namespace kesto
