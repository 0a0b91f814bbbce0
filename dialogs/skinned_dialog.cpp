#include "dialogs/skinned_dialog.h"

#include "dialogs/dialog_texts.h"
#include "platform/message_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

namespace kesto {
namespace {

// The skin image the panel's own background comes from.
constexpr int kBackgroundImage = 1000;
constexpr int kBandHeight = 6;
constexpr int kMinimumWidth = 420;

template <class Fn> Fn skinSlot(KestoHostTable skin, int index) {
    return skin != nullptr ? reinterpret_cast<Fn>(skin[index]) : nullptr;
}

QColor colorOf(std::int32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

QString dialogText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

SkinnedDialog::SkinnedDialog(QWidget* parent, KestoHostTable skin, std::string_view headingUtf8)
    : QDialog(parent) {
    setWindowTitle(dialogText(kMessageBoxCaption));
    setModal(true);
    setMinimumWidth(kMinimumWidth);
    auto* outer = new QVBoxLayout(this);
    band_ = new QLabel(this);
    band_->setObjectName(QStringLiteral("skinBand"));
    band_->setScaledContents(true);
    band_->setFixedHeight(kBandHeight);
    outer->addWidget(band_);
    auto* heading = new QLabel(dialogText(headingUtf8), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setWordWrap(true);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    outer->addWidget(heading);
    body_ = new QVBoxLayout;
    outer->addLayout(body_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(dialogText(dialog_text::kOk));
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(dialogText(dialog_text::kCancel));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    outer->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &SkinnedDialog::onOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    applySkin(skin);
}

void SkinnedDialog::applySkin(KestoHostTable skin) {
    QPalette palette = this->palette();
    if (auto back = skinSlot<KestoSkinColorFn>(skin, KESTO_SKIN_BACK_COLOR))
        palette.setColor(QPalette::Window, colorOf(back()));
    if (auto text = skinSlot<KestoSkinColorFn>(skin, KESTO_SKIN_TEXT_COLOR))
        palette.setColor(QPalette::WindowText, colorOf(text()));
    setPalette(palette);
    // The panel's background image heads the dialog as a band; text stays on the plain colour.
    if (auto image = skinSlot<KestoSkinImageFn>(skin, KESTO_SKIN_IMAGE))
        if (const auto* pixmap = static_cast<const QPixmap*>(image(kBackgroundImage));
            pixmap && !pixmap->isNull())
            band_->setPixmap(pixmap->copy(0, 0, pixmap->width(), std::min(pixmap->height(), kBandHeight)));
    setAutoFillBackground(true);
}

void SkinnedDialog::onOk() {
    if (confirm())
        accept();
}

} // namespace kesto
