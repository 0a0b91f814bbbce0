#include "dialogs/buyer_links.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/skinned_dialog.h"
#include "protocol/web_handoff.h"
#include "webview/hyperlink.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kesto {

namespace t = dialog_text;

BuyerLinks::BuyerLinks(const ProtocolContext& context, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("buyerLinks"));
    const WebHandoff pages(context);
    // Two rows, the account's pages and then the help pages, so that the dialog keeps its width.
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    auto add = [&](std::string_view text, const char* name, WebForm target, bool external) {
        auto* link = new Hyperlink(dialogText(text), std::move(target), external, context, this);
        link->setObjectName(QLatin1String(name));
        row->addWidget(link);
    };
    add(t::kMyPageLink, "myPageLink", {pages.userPage(), {}}, false);
    add(t::kCashChargeLink, "chargeLink", pages.cashCharge(), false);
    add(t::kFaqLink, "faqLink", {pages.faqPage(), {}}, true);
    add(t::kCounselLink, "counselLink", {pages.counselPage(), {}}, false);
    row->addStretch();
    row = new QHBoxLayout;
    rows->addLayout(row);
    add(t::kMp3PlayerHelpLink, "mp3PlayerHelpLink", {pages.sitePage(WebHandoff::kMp3PlayerHelpPage), {}},
        false);
    add(t::kPhoneHelpLink, "phoneHelpLink", {pages.sitePage(WebHandoff::kPhoneHelpPage), {}}, false);
    add(t::kFreeDownloadLink, "freeDownloadLink", {pages.sitePage(WebHandoff::kFreeDownloadPage), {}}, false);
    row->addStretch();
}

} // namespace kesto
