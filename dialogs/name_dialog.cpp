#include "dialogs/name_dialog.h"

#include "platform/cp949.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kesto {

NameDialog::NameDialog(QWidget* parent, KestoHostTable skin, std::string_view promptUtf8,
                       std::string_view fieldUtf8, Check check)
    : SkinnedDialog(parent, skin, promptUtf8), check_(std::move(check)) {
    setObjectName(QStringLiteral("nameDialog"));
    auto* form = new QFormLayout;
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("name"));
    // The album tables hold names of up to 255 bytes; Korean takes two each in CP949.
    edit_->setMaxLength(120);
    form->addRow(dialogText(fieldUtf8), edit_);
    body()->addLayout(form);
    edit_->setFocus();
}

bool NameDialog::confirm() {
    const std::string name = Cp949::fromUtf8(edit_->text().trimmed().toStdString());
    if (check_ && !check_(name))
        return false;
    name_ = name;
    return true;
}

} // namespace kesto
