#pragma once
// Gives the chosen songs to another user: their prices, the user's cash, the receiver's id and
// a message, then "gift". A refusal shows the store's message and keeps the dialog open.

#include "commands/checkout.h"
#include "dialogs/skinned_dialog.h"

#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kesto {

class GiftDialog final : public SkinnedDialog {
public:
    GiftDialog(QWidget* parent, ProtocolContext protocol, KestoHostTable skin, std::vector<Song> songs,
               const PriceReply& prices);

    bool load();
    static bool run(QWidget* parent, ProtocolContext protocol, KestoHostTable skin, std::vector<Song> songs,
                    const PriceReply& prices);

protected:
    bool confirm() override;

private:
    void tell(std::string_view cp949, int style) const;
    bool tellFailure(const CheckoutResult& result) const;

    ProtocolContext protocol_;
    std::vector<Song> songs_;
    QLabel* wallet_ = nullptr;
    QLineEdit* receiver_ = nullptr;
    QPlainTextEdit* message_ = nullptr;
};

} // namespace kesto
