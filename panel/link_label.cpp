#include "panel/link_label.h"

namespace kesto {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("linkLabel"));
    setFont(QFont(QString::fromLatin1(kFontFamily)));
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    // The anchor carries no address: the link is kept as written, QUrl would rewrite it.
    connect(this, &QLabel::linkActivated, this, [this] {
        if (handler_ && !link_.empty())
            handler_(link_);
    });
    hide();
}

void LinkLabel::showLink(const std::optional<TitleLink>& link) {
    link_ = link ? link->link : std::string();
    if (!link || link->text.empty()) {
        clear();
        hide();
        return;
    }
    const QString text = QString::fromStdString(link->text).toHtmlEscaped();
    // A heading without a link is plain text: there is nothing to click.
    setText(link_.empty() ? text : QStringLiteral("<a href=\"#\">%1</a>").arg(text));
    show();
}

} // namespace kesto
