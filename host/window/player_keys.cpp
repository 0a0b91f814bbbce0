#include "host/window/player_keys.h"

#include "host/audio/play_controller.h"
#include "host/session/host_panel_area.h"
#include "host/window/main_window.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>

namespace kesto {

PlayerKeys::PlayerKeys(MainWindow& window, PlayController& controller, std::function<void()> playPause)
    : QObject(&window), window_(window), controller_(controller), playPause_(std::move(playPause)) {
    const auto bind = [this](const QKeySequence& key, auto slot) {
        auto* shortcut = new QShortcut(key, &window_);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_F), [this] { focusSearch(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_L), [this] { focusSources(); });
    bind(QKeySequence(Qt::Key_MediaTogglePlayPause), [this] { playPause_(); });
    bind(QKeySequence(Qt::Key_MediaPlay), [this] { playPause_(); });
    bind(QKeySequence(Qt::Key_MediaPause), [this] { controller_.togglePause(); });
    bind(QKeySequence(Qt::Key_MediaStop), [this] { controller_.stop(); });
    bind(QKeySequence(Qt::Key_MediaNext), [this] { controller_.next(); });
    bind(QKeySequence(Qt::Key_MediaPrevious), [this] { controller_.previous(); });
    QAction* help = window_.helpMenu()->addAction(tr("&Keys"), this, &PlayerKeys::showHelp);
    help->setObjectName(QStringLiteral("helpKeys"));
    help->setShortcut(QKeySequence::HelpContents);
    window_.installEventFilter(this);
}

QStringList PlayerKeys::lines() {
    return {
        tr("Space\tPlay or pause (where the focused control does not take it)"),
        tr("Ctrl+F\tSearch box of the panel"),
        tr("Ctrl+L\tSource pane: pages, albums, play lists"),
        tr("Enter\tShow the page chosen in the source pane; play the focused row in the list"),
        tr("Ctrl+M\tMessages"),
        tr("Media keys\tPlay, pause, stop, next, previous"),
        tr("Ctrl+Q\tQuit"),
    };
}

void PlayerKeys::showHelp() {
    QString rows;
    for (const QString& line : lines()) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>")
                    .arg(parts.value(0).toHtmlEscaped(), parts.value(1).toHtmlEscaped());
    }
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("Keys"),
                                QStringLiteral("<table>%1</table>").arg(rows), QMessageBox::Close, &window_);
    box->setObjectName(QStringLiteral("keysDialog"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool PlayerKeys::eventFilter(QObject* watched, QEvent* event) {
    // A Space that reaches the window was not taken by the focused control on its way up.
    if (watched == &window_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            playPause_();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlayerKeys::focusSearch() {
    for (QLineEdit* edit : window_.panelArea()->findChildren<QLineEdit*>())
        if (edit->isVisible() && edit->isEnabled()) {
            edit->setFocus(Qt::ShortcutFocusReason);
            edit->selectAll();
            return;
        }
}

void PlayerKeys::focusSources() {
    if (auto* pane = window_.findChild<QWidget*>(QStringLiteral("sourcePane")))
        pane->setFocus(Qt::ShortcutFocusReason);
}

} // namespace kesto
