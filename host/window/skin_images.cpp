#include "host/window/skin_images.h"

#include "host/window/skin_button.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <map>

namespace kesto {
namespace {
constexpr std::int32_t kTextColor = 0x1F2A37;
constexpr std::int32_t kBackColor = 0xF3F6FA;
// The panel's buttons' size; drawn at twice the pixels so that they stay sharp when scaled.
constexpr int kImageWidth = 64;
constexpr int kImageHeight = 24;
constexpr qreal kImageScale = 2;
// The panel and its dialogs ask this image for the band behind their buttons. The mini list's
// add button has the same id, but buttons are drawn from the images of their own ids.
constexpr int kBackgroundImage = 1000;
constexpr int kBandHeight = 64;
constexpr int kRadius = 5;
constexpr int kFontPixels = 11;
constexpr std::int32_t kBandColor = 0xE4EBF4;

// One family of blues: actions strong, page moves light.
struct Tone {
    QColor top;
    QColor bottom;
    QColor border;
    QColor text;
};
const Tone kAction{QColor(0x5C, 0x9C, 0xE6), QColor(0x2F, 0x6E, 0xC0), QColor(0x25, 0x5A, 0xA0), Qt::white};
const Tone kMove{QColor(0xFB, 0xFC, 0xFE), QColor(0xDD, 0xE7, 0xF3), QColor(0x9D, 0xB3, 0xCE),
                 QColor(0x1F, 0x3A, 0x5F)};

bool isMove(int id) {
    // Search, back, forward, first page, list pages and the mini windows' close buttons.
    for (int move : {1035, 1036, 1037, 1058, 1059, 1006, 1101})
        if (id == move)
            return true;
    return false;
}

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
Tone toneOf(int id) {
    return isMove(id) ? kMove : kAction;
}

// The web view's scroll bars: light thumbs, and buttons with an arrow pointing their way.
constexpr int kScrollBarParts = 6;
constexpr int kVerticalThumb = KESTO_SKIN_SCROLLBAR_IMAGES;
constexpr int kHorizontalThumb = KESTO_SKIN_SCROLLBAR_IMAGES + 3;

bool isScrollBarPart(int id) {
    return id >= KESTO_SKIN_SCROLLBAR_IMAGES && id < KESTO_SKIN_SCROLLBAR_IMAGES + kScrollBarParts;
}

QPixmap drawScrollBarPart(int id) {
    constexpr int kSide = 14;
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(kMove.bottom);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kMove.border);
    painter.setBrush(id == kVerticalThumb || id == kHorizontalThumb ? kMove.top : kMove.bottom);
    painter.drawRect(QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (id == kVerticalThumb || id == kHorizontalThumb)
        return pixmap;
    // An arrow pointing up, turned to the button's side.
    const int turns[] = {0, 0, 180, 0, 270, 90}; // -, up, down, -, left, right
    painter.translate(kSide / 2.0, kSide / 2.0);
    painter.rotate(turns[id - KESTO_SKIN_SCROLLBAR_IMAGES]);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMove.text);
    painter.drawPolygon(QPolygonF({QPointF(0, -3), QPointF(4, 2), QPointF(-4, 2)}));
    return pixmap;
}

} // namespace

QPixmap SkinImages::draw(int imageId) {
    if (isScrollBarPart(imageId))
        return drawScrollBarPart(imageId);
    // The background, or an image that names no button: a quiet band under the buttons.
    if (imageId == kBackgroundImage || labelOf(imageId).isEmpty()) {
        QPixmap pixmap(1, kBandHeight);
        QPainter band(&pixmap);
        QLinearGradient fill(0, 0, 0, pixmap.height());
        fill.setColorAt(0, QColor::fromRgb(static_cast<QRgb>(kBackColor)));
        fill.setColorAt(1, QColor::fromRgb(static_cast<QRgb>(kBandColor)));
        band.fillRect(pixmap.rect(), fill);
        return pixmap;
    }
    QPixmap pixmap(static_cast<int>(kImageWidth * kImageScale), static_cast<int>(kImageHeight * kImageScale));
    pixmap.setDevicePixelRatio(kImageScale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, QRectF(0, 0, kImageWidth, kImageHeight), imageId);
    return pixmap;
}

void SkinImages::paint(QPainter& painter, const QRectF& area, int imageId) {
    const Tone tone = toneOf(imageId);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, tone.top);
    fill.setColorAt(1, tone.bottom);
    painter.setBrush(fill);
    painter.setPen(tone.border);
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
    QFont font = painter.font();
    font.setPixelSize(kFontPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(tone.text);
    painter.drawText(area, Qt::AlignCenter, labelOf(imageId));
    painter.restore();
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
    auto* button = new SkinButton(imageId, labelOf(imageId), static_cast<QWidget*>(parent));
    button->setObjectName(QStringLiteral("button%1").arg(controlId));
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
