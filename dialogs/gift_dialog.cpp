#include "dialogs/gift_dialog.h"

#include "dialogs/buyer_links.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/price_table.h"
#include "platform/cp949.h"
#include "platform/message_box.h"
#include "platform/plain_text.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kesto {

namespace t = dialog_text;

namespace {
// The service keeps user ids of up to 20 bytes and messages of a few lines.
constexpr int kReceiverLength = 20;
} // namespace

GiftDialog::GiftDialog(QWidget* parent, ProtocolContext protocol, KestoHostTable skin,
                       std::vector<Song> songs, const PriceReply& prices)
    : SkinnedDialog(parent, skin, t::kGiftTitle), protocol_(protocol), songs_(std::move(songs)) {
    setObjectName(QStringLiteral("gift"));
    body()->addWidget(new PriceTable(this, songs_, prices));
    auto* total = PlainText::label(dialogText(t::kTotal) + QString::fromStdString(prices.total), this);
    total->setObjectName(QStringLiteral("total"));
    body()->addWidget(total);
    wallet_ = PlainText::label({}, this);
    wallet_->setObjectName(QStringLiteral("wallet"));
    body()->addWidget(wallet_);
    receiver_ = new QLineEdit(this);
    receiver_->setObjectName(QStringLiteral("receiver"));
    receiver_->setMaxLength(kReceiverLength);
    message_ = new QPlainTextEdit(this);
    message_->setObjectName(QStringLiteral("message"));
    message_->setTabChangesFocus(true);
    message_->setMaximumHeight(80);
    auto* form = new QFormLayout;
    form->addRow(dialogText(t::kReceiver), receiver_);
    form->addRow(dialogText(t::kGiftMessage), message_);
    body()->addLayout(form);
    body()->addWidget(new BuyerLinks(protocol_, this));
    receiver_->setFocus();
}

bool GiftDialog::load() {
    Wallet wallet;
    if (tellFailure(Checkout(protocol_).wallet(wallet)))
        return false;
    wallet_->setText(dialogText(t::kCash) + QString::fromStdString(wallet.cash));
    return true;
}

bool GiftDialog::confirm() {
    const std::string receiver = Cp949::fromUtf8(receiver_->text().trimmed().toStdString());
    if (receiver.empty()) {
        tell(Cp949::fromUtf8(t::kNoReceiver), mb::kExclamationOk);
        return false;
    }
    const std::string message = Cp949::fromUtf8(message_->toPlainText().trimmed().toStdString());
    if (tellFailure(Checkout(protocol_).gift(songs_, receiver, message)))
        return false;
    tell(Cp949::fromUtf8(t::kGiftSent), mb::kInformationOk);
    return true;
}

bool GiftDialog::tellFailure(const CheckoutResult& result) const {
    if (result.done())
        return false;
    tell(result.outcome == CheckoutResult::Outcome::NoReply ? Cp949::fromUtf8(t::kNoReply) : result.message,
         mb::kStopOk);
    return true;
}

void GiftDialog::tell(std::string_view cp949, int style) const {
    if (protocol_.box != nullptr)
        protocol_.box->show(cp949, kMessageBoxCaption, style);
}

bool GiftDialog::run(QWidget* parent, ProtocolContext protocol, KestoHostTable skin, std::vector<Song> songs,
                     const PriceReply& prices) {
    GiftDialog dialog(parent, protocol, skin, std::move(songs), prices);
    return dialog.load() && dialog.exec() == QDialog::Accepted;
}

} // namespace kesto
