#include "host/skin_images.h"

#include <QPainter>
#include <QPushButton>
#include <map>

namespace kesto {
namespace {
constexpr std::int32_t kTextColor = 0x202020;
constexpr std::int32_t kBackColor = 0xF4F4F4;

// The panel asks for its button images by the buttons' control ids; this skin writes what each
// button does on it.
const std::map<int, const char*>& labels() {
    static const std::map<int, const char*> labels = {
        {1034, "검색"},      {1145, "아티스트"},  {1035, "◀ 뒤로"},   {1036, "앞으로 ▶"},     {1037, "처음"},
        {1058, "다음 목록"}, {1059, "이전 목록"}, {1045, "듣기"},     {1047, "장바구니"},     {1048, "선물"},
        {1050, "다운로드"},  {1052, "삭제"},      {1053, "마이앨범"}, {1054, "플레이리스트"}, {1055, "구매"},
        {1056, "바로구매"},  {1057, "이동"},      {1123, "폰 전송"},  {1124, "MP3 전송"},     {1000, "추가"},
        {1001, "삭제"},      {1002, "다운"},      {1003, "선물"},     {1004, "담기"},         {1005, "듣기"},
        {1006, "×"},         {1101, "×"}};
    return labels;
}

QString labelOf(int imageId) {
    const auto found = labels().find(imageId);
    return found != labels().end() ? QString::fromUtf8(found->second) : QString();
}

// The panel makes two buttons that start no action (control ids 1122 and 1046); this skin
// keeps them out of sight instead of showing a button that does nothing.
bool hasAction(int controlId) {
    return labels().count(controlId) != 0;
}
} // namespace

QPixmap SkinImages::draw(int imageId) {
    QPixmap pixmap(64, 24);
    // A colour per id, so that different images are told apart on screen.
    const QColor base = QColor::fromHsv((imageId * 47) % 360, 90, 220);
    pixmap.fill(base);
    QPainter painter(&pixmap);
    painter.setPen(base.darker(160));
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, labelOf(imageId));
    return pixmap;
}

QPixmap* SkinImages::image(int imageId) {
    static std::map<int, QPixmap> images;
    auto found = images.find(imageId);
    if (found == images.end())
        found = images.emplace(imageId, draw(imageId)).first;
    return &found->second;
}

void* SkinImages::tableImage(int imageId) {
    return image(imageId);
}

void* SkinImages::createButton(void* parent, int controlId, int imageId, const KestoRect* rect) {
    auto* button = new QPushButton(static_cast<QWidget*>(parent));
    button->setObjectName(QStringLiteral("button%1").arg(controlId));
    button->setIcon(*image(imageId));
    button->setIconSize(image(imageId)->size());
    button->setToolTip(labelOf(controlId));
    if (rect != nullptr)
        button->setGeometry(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    button->setVisible(hasAction(controlId));
    return button;
}

void SkinImages::applyWindow(void* window, int) {
    if (window != nullptr)
        static_cast<QWidget*>(window)->setStyleSheet(
            QStringLiteral("background: #%1;").arg(kBackColor, 6, 16));
}

std::int32_t SkinImages::textColor() {
    return kTextColor;
}

void SkinImages::buttonReady(void* button) {
    if (button != nullptr)
        static_cast<QWidget*>(button)->setCursor(Qt::PointingHandCursor);
}

std::int32_t SkinImages::backColor() {
    return kBackColor;
}

} // namespace kesto
