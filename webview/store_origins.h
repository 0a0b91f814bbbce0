#pragma once
// The origins that may act for the user in the HTML view: those of the protocol base and the
// web base of the login block, read at each check since a new log-in may move them.

#include "songs/login_block.h"

#include <QUrl>

namespace kesto {

class StoreOrigins {
public:
    void setLogin(const LoginBlock* login) { login_ = login; }
    // An http or https address whose scheme, host and port are those of a base (the rule of
    // StoreAddress, which the host's hand-offs follow too); never without a login.
    bool contains(const QUrl& url) const;

private:
    const LoginBlock* login_ = nullptr;
};

} // namespace kesto
