#include "host/window/web_sandbox.h"

#include <cstdlib>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kesto {
namespace {

// A user namespace made in a throw-away child: the same call the sandbox makes, so kernel
// settings, seccomp filters of a container and missing privileges all answer alike.
bool canMakeUserNamespace() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::unshare(CLONE_NEWUSER) == 0 ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

WebSandbox::Facts WebSandbox::probe() {
    Facts facts;
    facts.root = ::geteuid() == 0;
    const char* disabled = std::getenv(kDisableVariable);
    facts.disabledAlready = disabled != nullptr && *disabled != '\0' && std::string(disabled) != "0";
    facts.userNamespaces = facts.root || facts.disabledAlready || canMakeUserNamespace();
    return facts;
}

std::string WebSandbox::reasonToDisable(const Facts& facts) {
    if (facts.disabledAlready)
        return {};
    if (facts.root)
        return "running as root";
    if (!facts.userNamespaces)
        return "no user namespaces available (a container without them?)";
    return {};
}

std::string WebSandbox::apply(const Facts& facts) {
    const std::string reason = reasonToDisable(facts);
    if (reason.empty())
        return {};
    ::setenv(kDisableVariable, "1", 1);
    return "web view: renderer sandbox off, " + reason;
}

} // namespace kesto
