#include "panel/button_bar.h"

#include "panel/panel_skin.h"
#include "platform/cp949.h"
#include "songs/panel_messages.h"
#include "songs/startup_values.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>

namespace kesto {

namespace {

struct Label {
    int id;
    const char* text; // UTF-8, for the plain buttons only
};

constexpr Label kLabels[] = {
    {cmd::kSearch, "검색"},       {cmd::kArtistIndex, "아티스트"},  {cmd::kPreviousPage, "◀"},
    {cmd::kNextPage, "▶"},        {cmd::kStartPage, "처음"},        {cmd::kBlankButton, "·"},
    {cmd::kNextListPage, "다음"}, {cmd::kPreviousListPage, "이전"}, {cmd::kListen, "듣기"},
    {cmd::kNothing, "·"},         {cmd::kCart, "장바구니"},         {cmd::kGift, "선물"},
    {cmd::kDownload, "다운"},     {cmd::kDeleteFromCart, "삭제"},   {cmd::kMyAlbum, "마이앨범"},
    {cmd::kMove, "이동"},         {cmd::kPlayList, "플레이리스트"}, {cmd::kBuy, "구매"},
    {cmd::kBuy2, "구매"},         {cmd::kToPhone, "폰전송"},        {cmd::kToMp3Player, "MP3전송"},
};

QString labelOf(int controlId) {
    for (const Label& label : kLabels)
        if (label.id == controlId)
            return QString::fromUtf8(label.text);
    return QString::number(controlId);
}

} // namespace

ButtonBar::ButtonBar(KestoHostTable skin, MessagePort& port, WindowHandle panelWindow, QWidget* parent)
    : QWidget(parent), port_(port), panelWindow_(panelWindow), search_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("buttonBar"));
    search_->setObjectName(QStringLiteral("searchBox"));
    search_->setGeometry(0, skin::kButtonGap, skin::kSearchBoxWidth, skin::kButtonHeight);
    for (std::size_t i = 0; i < cmd::kButtonOrder.size(); ++i)
        buttons_[cmd::kButtonOrder[i]] = makeButton(skin, cmd::kButtonOrder[i], i);
    packShown();
    setFixedHeight(skin::kButtonBarHeight);
    enableButton(cmd::kPreviousPage, false);
    enableButton(cmd::kNextPage, false);
}

QRect ButtonBar::place(std::size_t position) {
    const int column = static_cast<int>(position % skin::kButtonsPerRow);
    const int row = static_cast<int>(position / skin::kButtonsPerRow);
    const int x = skin::kSearchBoxWidth + skin::kButtonGap + column * (skin::kButtonWidth + skin::kButtonGap);
    const int y = skin::kButtonGap + row * (skin::kButtonHeight + skin::kButtonGap);
    return {x, y, skin::kButtonWidth, skin::kButtonHeight};
}

void ButtonBar::packShown() {
    // A skin may keep buttons without an action out of sight: the others close up in their
    // order, so that no gap opens in the rows.
    std::size_t position = 0;
    for (const int id : cmd::kButtonOrder)
        if (QWidget* b = button(id); b != nullptr && !b->isHidden())
            b->setGeometry(place(position++));
}

QWidget* ButtonBar::makeButton(KestoHostTable skin, int controlId, std::size_t position) {
    const QRect box = place(position);
    const KestoRect rect{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
    QWidget* button = nullptr;
    if (auto create = StartupValues::slotAs<KestoSkinCreateButtonFn>(skin, KESTO_SKIN_CREATE_BUTTON))
        button = static_cast<QWidget*>(create(this, controlId, controlId, &rect));
    if (button == nullptr) {
        auto* plain = new QPushButton(labelOf(controlId), this);
        plain->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        button = plain;
    } else if (auto ready = reinterpret_cast<KestoSkinButtonReadyFn>(
                   StartupValues::slot(skin, KESTO_SKIN_BUTTON_READY))) {
        ready(button);
    }
    button->setObjectName(QStringLiteral("button%1").arg(controlId));
    button->setToolTip(labelOf(controlId));
    // Skinned buttons show only an image: screen readers need the name, keyboards the focus.
    button->setAccessibleName(labelOf(controlId));
    button->setFocusPolicy(Qt::StrongFocus);
    connectClick(button, controlId);
    return button;
}

void ButtonBar::connectClick(QWidget* button, int controlId) {
    // A skinned button is any clickable widget of the host; the class is Qt's, shared by both.
    auto* clickable = qobject_cast<QAbstractButton*>(button);
    if (clickable == nullptr)
        return;
    connect(clickable, &QAbstractButton::clicked, this,
            [this, controlId] { port_.post(panelWindow_, msg::kWindowCommand, controlId, 0); });
}

QWidget* ButtonBar::button(int controlId) const {
    const auto found = buttons_.find(controlId);
    return found != buttons_.end() ? found->second : nullptr;
}

void ButtonBar::enableButton(int controlId, bool enabled) {
    if (QWidget* b = button(controlId))
        b->setEnabled(enabled);
}

std::string ButtonBar::searchWords() const {
    return Cp949::fromUtf8(search_->text().trimmed().toStdString());
}

} // namespace kesto
