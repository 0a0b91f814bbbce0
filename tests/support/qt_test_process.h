#pragma once
// What a Qt test program sets before its application exists, so that any of its tests run
// alone from the build folder has what the suite's script would give it: no display needed, and
// the web engine's renderer sandbox decided as the player decides it (off only as root or where
// user namespaces are missing).

#include "host/window/web_sandbox.h"

#include <cstdlib>

namespace kesto::test {

inline void prepareQtTestProcess() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    WebSandbox::apply(WebSandbox::probe());
}

} // namespace kesto::test
