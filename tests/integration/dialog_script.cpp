#include "tests/integration/dialog_script.h"

#include "tests/integration/panel_host.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMetaObject>

#include <algorithm>

namespace kesto::test {

DialogScript::DialogScript() {
    install();
}

DialogScript::DialogScript(const QString& objectName, Act act) : DialogScript() {
    then(objectName, std::move(act));
}

DialogScript& DialogScript::then(const QString& objectName, Act act) {
    steps_.push_back({objectName, std::move(act)});
    return *this;
}

void DialogScript::install() {
    PanelHost::onModal([this](QWidget* modal) { return handle(modal); });
}

DialogScript::~DialogScript() {
    PanelHost::onModal(nullptr);
}

int DialogScript::opened(const QString& objectName) const {
    return static_cast<int>(std::count(seen_.begin(), seen_.end(), objectName));
}

bool DialogScript::handle(QWidget* modal) {
    if (modal == last_ && *acting_)
        return true;
    if (steps_.empty() || modal->objectName() != steps_.front().name)
        return false;
    seen_.push_back(modal->objectName());
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    last_ = modal;
    *acting_ = true;
    step.act(modal);
    // Posted after whatever the step queued, so it runs once those calls have.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [acting = acting_] { *acting = false; }, Qt::QueuedConnection);
    return true;
}

void DialogScript::click(QWidget* dialog, const QString& buttonName) {
    if (auto* button = dialog->findChild<QAbstractButton*>(buttonName))
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

void DialogScript::type(QWidget* dialog, const QString& editName, const QString& text) {
    if (auto* edit = dialog->findChild<QLineEdit*>(editName))
        edit->setText(text);
}

void DialogScript::check(QWidget* dialog, const QString& boxName, bool on) {
    if (auto* box = dialog->findChild<QAbstractButton*>(boxName))
        box->setChecked(on);
}

bool DialogScript::select(QWidget* dialog, const QString& comboName, const QString& text) {
    auto* combo = dialog->findChild<QComboBox*>(comboName);
    const int index = combo != nullptr ? combo->findText(text) : -1;
    if (index >= 0)
        combo->setCurrentIndex(index);
    return index >= 0;
}

} // namespace kesto::test
