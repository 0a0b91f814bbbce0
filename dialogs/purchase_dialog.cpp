#include "dialogs/purchase_dialog.h"

#include "commands/device_host.h"
#include "commands/download_into_album.h"
#include "dialogs/buyer_links.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/download_options.h"
#include "dialogs/price_table.h"
#include "platform/cp949.h"
#include "platform/message_box.h"
#include "platform/plain_text.h"
#include "protocol/web_handoff.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <ctime>

namespace kesto {

namespace t = dialog_text;

PurchaseDialog::PurchaseDialog(QWidget* parent, Parts parts, std::vector<Song> songs,
                               const PriceReply& prices)
    : SkinnedDialog(parent, parts.skin, t::kPurchaseTitle), parts_(std::move(parts)),
      songs_(std::move(songs)) {
    setObjectName(QStringLiteral("purchase"));
    body()->addWidget(new PriceTable(this, songs_, prices));
    auto* total = PlainText::label(dialogText(t::kTotal) + QString::fromStdString(prices.total), this);
    total->setObjectName(QStringLiteral("total"));
    body()->addWidget(total);
    wallet_ = PlainText::label({}, this);
    wallet_->setObjectName(QStringLiteral("wallet"));
    body()->addWidget(wallet_);
    cash_ = new QRadioButton(dialogText(t::kPayByCash), this);
    cash_->setObjectName(QStringLiteral("payByCash"));
    cash_->setChecked(true);
    phone_ = new QRadioButton(dialogText(t::kPayByPhone), this);
    phone_->setObjectName(QStringLiteral("payByPhone"));
    smsCode_ = new QLineEdit(this);
    smsCode_->setObjectName(QStringLiteral("smsCode"));
    smsCode_->setEnabled(false);
    connect(phone_, &QRadioButton::toggled, smsCode_, &QLineEdit::setEnabled);
    auto* form = new QFormLayout;
    form->addRow(cash_);
    form->addRow(phone_);
    form->addRow(dialogText(t::kSmsCode), smsCode_);
    // Paying by phone may first need the site's purchase authentication (1130 to the host).
    auto* authBuy = new QPushButton(dialogText(t::kAuthBuy), this);
    authBuy->setObjectName(QStringLiteral("authBuy"));
    connect(authBuy, &QPushButton::clicked, this, [this] { WebHandoff(parts_.protocol).authBuy(); });
    form->addRow(authBuy);
    body()->addLayout(form);
    if (parts_.download) {
        options_ = new DownloadOptions({parts_.settings, parts_.albums, parts_.mode, parts_.intoAlbum}, this);
        body()->addWidget(options_);
    }
    body()->addWidget(new BuyerLinks(parts_.protocol, this));
}

bool PurchaseDialog::load() {
    Wallet wallet;
    if (tellFailure(Checkout(parts_.protocol).wallet(wallet)))
        return false;
    QString text = dialogText(t::kCash) + QString::fromStdString(wallet.cash) + "   " +
                   dialogText(t::kPoints) + QString::fromStdString(wallet.points);
    if (!wallet.externalPoints.empty())
        text += "   " + dialogText(t::kExternalPoints) + QString::fromStdString(wallet.externalPoints);
    wallet_->setText(text);
    return true;
}

bool PurchaseDialog::confirm() {
    const Payment payment = phone_->isChecked() ? Payment::Phone : Payment::Cash;
    const std::string code = Cp949::fromUtf8(smsCode_->text().trimmed().toStdString());
    const int writeFlag = options_ != nullptr ? options_->store() : 1;
    if (tellFailure(Checkout(parts_.protocol).buy(songs_, payment, code)))
        return false;
    tell(Cp949::fromUtf8(t::kBought), mb::kInformationOk);
    if (parts_.download)
        handOver(writeFlag, options_ != nullptr ? options_->playList() : std::string());
    return true;
}

void PurchaseDialog::handOver(int writeFlag, const std::string& playList) const {
    if (!DeviceHost(parts_.serviceA).transfer(songs_, writeFlag))
        return;
    // The album lists the songs where the host writes them.
    if (!playList.empty() && parts_.albums != nullptr)
        DownloadIntoAlbum(*parts_.albums, options_->folder()).put(songs_, playList, std::time(nullptr));
    if (parts_.downloadStarted)
        parts_.downloadStarted(songs_);
}

bool PurchaseDialog::tellFailure(const CheckoutResult& result) const {
    if (result.done())
        return false;
    if (result.outcome == CheckoutResult::Outcome::NoReply)
        tell(Cp949::fromUtf8(t::kNoReply), mb::kStopOk);
    else
        tell(result.message, mb::kStopOk);
    return true;
}

void PurchaseDialog::tell(std::string_view cp949, int style) const {
    if (parts_.protocol.box != nullptr)
        parts_.protocol.box->show(cp949, kMessageBoxCaption, style);
}

bool PurchaseDialog::run(QWidget* parent, Parts parts, std::vector<Song> songs, const PriceReply& prices) {
    PurchaseDialog dialog(parent, std::move(parts), std::move(songs), prices);
    return dialog.load() && dialog.exec() == QDialog::Accepted;
}

} // namespace kesto
