#pragma once
// What the purchase and gift dialogs do with the store: read the user's wallet (authinfo and
// externalpoint), pay by cash or by phone (cash or sms, then buy) and send a gift. Nothing is
// shown here; each step says whether a reply came and hands back the server's message when
// its code was negative, and the service charges nothing for a refused purchase.

#include "protocol/purchase_exchange.h"
#include "songs/song.h"

#include <string>
#include <vector>

namespace kesto {

struct Wallet {
    std::string user;
    std::string cash;
    std::string points;
    std::string phone;
    std::string grade;
    std::string externalPoints;
};

enum class Payment : std::uint8_t { Cash, Phone };

struct CheckoutResult {
    enum class Outcome : std::uint8_t { Done, NoReply, Refused };
    Outcome outcome = Outcome::NoReply;
    std::string message; // the server's text when refused (CP949)
    bool done() const { return outcome == Outcome::Done; }
};

class Checkout {
public:
    explicit Checkout(const ProtocolContext& context) : context_(context) {}

    CheckoutResult wallet(Wallet& out) const;
    // The phone's code is sent with "sms" before the purchase; cash is checked with "cash".
    CheckoutResult buy(const std::vector<Song>& songs, Payment payment, const std::string& smsCode) const;
    CheckoutResult gift(const std::vector<Song>& songs, const std::string& receiver,
                        const std::string& message) const;

private:
    static CheckoutResult of(bool replied, const PurchaseReply& reply);

    const ProtocolContext& context_;
};

} // namespace kesto
