#include "minimode/mini_keys.h"

#include "minimode/mini_ids.h"

#include <QShortcut>
#include <QWidget>

namespace kesto {

namespace {

constexpr MiniKey kTable[] = {
    {QKeyCombination(Qt::Key_Delete), mini::kDeleteChecked},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_A), mini::kCheckAllButton},
    {QKeyCombination(Qt::Key_Return), mini::kListenButton},
    {QKeyCombination(Qt::Key_Enter), mini::kListenButton}, // the keypad's
    {QKeyCombination(Qt::Key_Escape), mini::kCloseButton},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_O), mini::kAddFiles},
    {QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_O), mini::kAddFolder},
};

} // namespace

std::span<const MiniKey> MiniKeys::table() {
    return kTable;
}

void MiniKeys::install(QWidget& window, const std::function<void(int command)>& run) {
    for (const MiniKey& key : kTable) {
        auto* shortcut = new QShortcut(QKeySequence(key.keys), &window);
        // Only while the mini window is the active window.
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setObjectName(QStringLiteral("key%1").arg(key.command));
        QObject::connect(shortcut, &QShortcut::activated, &window,
                         [run, command = key.command] { run(command); });
    }
}

} // namespace kesto
