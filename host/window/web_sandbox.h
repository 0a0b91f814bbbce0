#pragma once
// The web engine's renderer sandbox stays on wherever it can run. It cannot run as root, nor
// where unprivileged user namespaces are missing (some containers); only then does the host
// switch it off, before the application object exists, and says so once. The module never
// touches the environment: this is the host's decision.

#include <string>

namespace kesto {

class WebSandbox {
public:
    static constexpr const char* kDisableVariable = "QTWEBENGINE_DISABLE_SANDBOX";

    struct Facts {
        bool root = false;
        bool userNamespaces = true;   // an unprivileged process can make a user namespace
        bool disabledAlready = false; // the environment switched it off itself
    };

    // This process: its user, and a child that tries to make a user namespace.
    static Facts probe();
    // Why the sandbox must be switched off; empty when it can stay on.
    static std::string reasonToDisable(const Facts& facts);
    // Switches the sandbox off when it must go; returns the line for the log, or empty.
    static std::string apply(const Facts& facts);
};

} // namespace kesto
