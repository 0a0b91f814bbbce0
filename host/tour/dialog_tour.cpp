#include "host/tour/dialog_tour.h"

#include "host/demo/demo_mp3.h"
#include "host/library/play_list_maker.h"
#include "host/session/host_session.h"
#include "include/kesto/window_message.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <QWidget>

#include <filesystem>

namespace kesto {
namespace {

constexpr int kPollMs = 50;
constexpr const char* kChart = "00104";
constexpr int kAddFiles = 0;
constexpr int kAddFolder = 1;

void clickLater(QWidget* dialog, const char* button) {
    if (auto* b = dialog->findChild<QAbstractButton*>(QString::fromLatin1(button)))
        QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
}

std::filesystem::path demoFolder() {
    return std::filesystem::current_path() / "demo-songs";
}

} // namespace

DialogTour::DialogTour(HostSession& session, QString dir, std::function<void(bool)> done)
    : session_(session), dir_(std::move(dir)), done_(std::move(done)) {}

void DialogTour::start() {
    prepare();
    // A page, then (once its rows are in) every row ticked and the user's action.
    const auto onPage = [this](int viewMode, int menuId, std::string parameter, std::function<void()> act) {
        return [this, viewMode, menuId, parameter, act] {
            showPage(viewMode, menuId, parameter.c_str());
            QTimer::singleShot(kSettleMs, this, [this, act] {
                tickAll();
                act();
            });
        };
    };
    const auto command = [this](int id) { return [this, id] { post(KESTO_PANEL_COMMAND, id); }; };
    steps_ = {
        {"myAlbumChoice", "dialog-my-album-choice.png",
         onPage(KESTO_VIEW_SERVER, KESTO_MENU_SERVICE_LIST, kChart, command(KESTO_BUTTON_MY_ALBUM)), true},
        {"nameDialog", "dialog-new-my-album.png", {}, false},
        {"purchase", "dialog-purchase.png", command(KESTO_BUTTON_BUY), false},
        {"gift", "dialog-gift.png", command(KESTO_BUTTON_GIFT), false},
        {"playListChoice", "dialog-play-list-choice.png",
         onPage(KESTO_VIEW_LIST, KESTO_MENU_LOCAL_ALBUM, playlist_, command(KESTO_BUTTON_PLAY_LIST)), true},
        {"nameDialog", "dialog-new-play-list.png", {}, false},
        {"playListChoice", "dialog-move.png",
         onPage(KESTO_VIEW_LIST, KESTO_MENU_LOCAL_ALBUM, playlist_, command(KESTO_BUTTON_MOVE)), false},
        {"songInfo", "dialog-song-info.png", [this] { post(KESTO_PANEL_INFO_PAGE, 0); }, false},
        {"deleteConfirm", "dialog-delete-confirm.png",
         onPage(KESTO_VIEW_LIST, KESTO_MENU_LOCAL_ALBUMS, "", [this] { post(KESTO_PANEL_DELETE, 0); }),
         false},
        {"addFiles", "dialog-add-files.png", [this] { post(KESTO_PANEL_ADD_FILES, kAddFiles); }, false},
        {"addFolder", "dialog-add-folder.png", [this] { post(KESTO_PANEL_ADD_FILES_SECOND, kAddFolder); },
         false},
    };
    QTimer::singleShot(kSettleMs, this, [this] { run(); });
}

void DialogTour::prepare() {
    // Two play lists, the first with three songs of this PC.
    const auto folder = demoFolder();
    std::filesystem::create_directories(folder);
    const char* const titles[] = {"Morning Walk", "City Lights", "Slow River"};
    for (const char* title : titles)
        DemoMp3::write(folder / (std::string(title) + ".mp3"), title, "Kesto Band");
    const int first = PlayListMaker::create("\xB5\xE5\xB6\xF3\xC0\xCC\xBA\xEA"); // "드라이브" in CP949
    PlayListMaker::create("Evening");
    playlist_ = std::to_string(first);
    showPage(KESTO_VIEW_LIST, KESTO_MENU_LOCAL_ALBUM, playlist_.c_str());
    if (auto import = session_.module().entry<KestoEntry4>(4))
        import(folder.c_str());
}

void DialogTour::run() {
    if (index_ >= steps_.size()) {
        done_(ok_);
        return;
    }
    waited_ = 0;
    if (steps_[index_].open)
        steps_[index_].open();
    QTimer::singleShot(kPollMs, this, [this] { poll(); });
}

void DialogTour::poll() {
    const Step& step = steps_[index_];
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->objectName() == step.dialog && modal != kept_) {
        // The file dialogs open where the tour's songs are.
        if (auto* files = qobject_cast<QFileDialog*>(modal))
            files->setDirectory(QString::fromStdString(demoFolder().string()));
        QTimer::singleShot(kSettleMs, this, [this, dialog = QPointer<QWidget>(modal)] { shoot(dialog); });
        return;
    }
    if (modal != nullptr && modal != kept_ && modal->objectName() != step.dialog)
        modal->close(); // a message on the way (no reply, nothing to show): not this step's
    waited_ += kPollMs;
    if (waited_ >= kWaitMs) {
        ok_ = false;
        ++index_;
        run();
        return;
    }
    QTimer::singleShot(kPollMs, this, [this] { poll(); });
}

void DialogTour::shoot(QWidget* dialog) {
    const Step& step = steps_[index_];
    if (dialog == nullptr) {
        ok_ = false;
    } else {
        ok_ = dialog->grab().save(QDir(dir_).filePath(step.shot)) && ok_;
        if (step.keepOpen) {
            kept_ = dialog;
            clickLater(dialog, step.dialog == "myAlbumChoice" ? "newAlbum" : "newPlayList");
        } else {
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            if (kept_)
                QMetaObject::invokeMethod(kept_.data(), "reject", Qt::QueuedConnection);
            kept_ = nullptr;
        }
    }
    ++index_;
    QTimer::singleShot(kSettleMs, this, [this] { run(); });
}

void DialogTour::post(unsigned message, long long wParam) {
    if (QWidget* target = panel())
        QCoreApplication::postEvent(target,
                                    new WindowMessageEvent(message, static_cast<std::intptr_t>(wParam), 0));
}

void DialogTour::showPage(int viewMode, int menuId, const char* parameter) {
    if (auto show = session_.module().entry<KestoEntry23>(23))
        show(viewMode, "", menuId, parameter, 0);
}

void DialogTour::tickAll() {
    if (auto select = session_.module().entry<KestoEntry53>(53))
        select(1);
}

QWidget* DialogTour::panel() const {
    auto window = session_.module().entry<KestoEntry20>(20);
    return window != nullptr ? static_cast<QWidget*>(window()) : nullptr;
}

} // namespace kesto
