#include "platform/qt_message_box.h"

#include "platform/screen_text.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QString>
#include <QWidget>

namespace kesto {
namespace {

struct StyleLook {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;
};

StyleLook lookOf(int style) {
    switch (style) {
    case mb::kStopOk:
        return {QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok};
    case mb::kExclamationOkCancel:
        return {QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case mb::kQuestionOkCancel:
        return {QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case mb::kQuestionYesNo:
        return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    case mb::kInformationOk:
        return {QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok};
    case mb::kExclamationOk:
    default:
        return {QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok};
    }
}

int answerOf(int pressed) {
    switch (pressed) {
    case QMessageBox::Cancel:
        return mb::kCancel;
    case QMessageBox::Yes:
        return mb::kYes;
    case QMessageBox::No:
        return mb::kNo;
    default:
        return mb::kOk;
    }
}

} // namespace

int QtMessageBox::show(std::string_view textCp949, std::string_view captionCp949, int style) {
    bool unused = false;
    return run(textCp949, captionCp949, style, {}, unused);
}

int QtMessageBox::showWithCheck(std::string_view textCp949, std::string_view captionCp949, int style,
                                std::string_view checkTextCp949, bool& checked) {
    return run(textCp949, captionCp949, style, checkTextCp949, checked);
}

int QtMessageBox::run(std::string_view textCp949, std::string_view captionCp949, int style,
                      std::string_view checkTextCp949, bool& checked) {
    const StyleLook look = lookOf(style);
    QMessageBox box(look.icon, ScreenText::fromCp949(captionCp949), ScreenText::fromCp949(textCp949),
                    look.buttons, static_cast<QWidget*>(parent_));
    box.setObjectName(QStringLiteral("messageBox"));
    // Texts come from the server too: shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(look.escape);
    box.setWindowModality(parent_ != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    QCheckBox* check = nullptr;
    if (!checkTextCp949.empty()) {
        check = new QCheckBox(ScreenText::fromCp949(checkTextCp949), &box);
        check->setObjectName(QStringLiteral("doNotShowAgain"));
        check->setChecked(checked);
        box.setCheckBox(check);
    }
    const int answer = answerOf(box.exec());
    if (check != nullptr)
        checked = check->isChecked();
    return answer;
}

} // namespace kesto
