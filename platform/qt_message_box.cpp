#include "platform/qt_message_box.h"

#include "platform/cp949.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>

namespace kesto {
namespace {

QString toQString(std::string_view cp949) {
    return QString::fromStdString(Cp949::toUtf8(cp949));
}

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
    const StyleLook look = lookOf(style);
    QMessageBox box(look.icon, toQString(captionCp949), toQString(textCp949), look.buttons,
                    static_cast<QWidget*>(parent_));
    box.setEscapeButton(look.escape);
    box.setWindowModality(parent_ != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    return answerOf(box.exec());
}

} // namespace kesto
