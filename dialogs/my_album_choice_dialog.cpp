#include "dialogs/my_album_choice_dialog.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/name_dialog.h"
#include "library/album_creator.h"
#include "platform/cp949.h"
#include "platform/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kesto {

namespace t = dialog_text;

MyAlbumChoiceDialog::MyAlbumChoiceDialog(QWidget* parent, Parts parts)
    : SkinnedDialog(parent, parts.skin, parts.move ? t::kMyAlbumMoveTitle : t::kMyAlbumTitle),
      parts_(std::move(parts)) {
    setObjectName(QStringLiteral("myAlbumChoice"));
    albums_ = new QComboBox(this);
    albums_->setObjectName(QStringLiteral("albums"));
    albums_->setMinimumWidth(260);
    auto* create = new QPushButton(dialogText(t::kNewMyAlbum), this);
    create->setObjectName(QStringLiteral("newAlbum"));
    create->setAutoDefault(false);
    leave_ = new QCheckBox(dialogText(t::kMyAlbumDeleteAfter), this);
    leave_->setObjectName(QStringLiteral("deleteAfter"));
    leave_->setEnabled(parts_.fromMyAlbum);
    leave_->setChecked(parts_.move && parts_.fromMyAlbum);
    auto* note = new QLabel(dialogText(t::kMyAlbumNote), this);
    note->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(albums_, 1);
    row->addWidget(create);
    body()->addLayout(row);
    body()->addWidget(leave_);
    body()->addWidget(note);
    connect(create, &QPushButton::clicked, this, &MyAlbumChoiceDialog::newAlbum);
}

bool MyAlbumChoiceDialog::load() {
    return fill({});
}

bool MyAlbumChoiceDialog::fill(const std::string& selectName) {
    bool answered = false;
    const auto albums = MyAlbumPut(parts_.protocol).albums(answered);
    if (!albums) {
        // A negative code has been shown by the exchange: only a missing reply is told here.
        if (!answered)
            tell(t::kNoReply);
        return false;
    }
    albums_->clear();
    for (const OnlineAlbum& album : *albums)
        albums_->addItem(QString::fromStdString(Cp949::toUtf8(album.name)), QString::fromStdString(album.id));
    if (!selectName.empty()) {
        const int index = albums_->findText(QString::fromStdString(Cp949::toUtf8(selectName)));
        albums_->setCurrentIndex(index >= 0 ? index : albums_->count() - 1);
    }
    return true;
}

void MyAlbumChoiceDialog::newAlbum() {
    if (parts_.protocol.box == nullptr)
        return;
    AlbumCreator creator(nullptr, parts_.createAlbum, *parts_.protocol.box);
    NameDialog names(this, parts_.skin, t::kNewMyAlbumPrompt, t::kNewMyAlbumField,
                     [&creator](const std::string& name) { return creator.newMyAlbum(name); });
    if (names.exec() == QDialog::Accepted)
        fill(names.name());
}

bool MyAlbumChoiceDialog::confirm() {
    if (albums_->count() == 0) {
        tell(t::kNoMyAlbum);
        return false;
    }
    if (albums_->currentIndex() < 0) {
        tell(t::kChooseMyAlbum);
        return false;
    }
    choice_ = MyAlbumChoice{albums_->currentData().toString().toStdString(), leave_->isChecked()};
    return true;
}

void MyAlbumChoiceDialog::tell(std::string_view textUtf8) const {
    if (parts_.protocol.box != nullptr)
        parts_.protocol.box->show(Cp949::fromUtf8(textUtf8), kMessageBoxCaption, mb::kStopOk);
}

std::optional<MyAlbumChoice> MyAlbumChoiceDialog::run(QWidget* parent, Parts parts) {
    MyAlbumChoiceDialog dialog(parent, std::move(parts));
    if (!dialog.load() || dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace kesto
