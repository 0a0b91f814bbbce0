#include "host/page_tour.h"

#include "host/dialog_tour.h"
#include "host/host_session.h"
#include "host/main_window.h"
#include "host/page_menu.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace kesto {

PageTour::PageTour(MainWindow& window, HostSession& session, QString dir)
    : window_(window), session_(session), dir_(std::move(dir)) {}

PageTour::~PageTour() = default;

void PageTour::start() {
    QDir().mkpath(dir_);
    QTimer::singleShot(kSettleMs, this, [this] {
        ok_ = window_.saveScreenshot(QDir(dir_).filePath(QStringLiteral("00-start.png")));
        next();
    });
}

void PageTour::next() {
    const auto pages = PageMenu::pages();
    if (index_ >= pages.size()) {
        window_.log(QStringLiteral("tour: %1 pages in %2").arg(pages.size()).arg(dir_));
        dialogs_ = std::make_unique<DialogTour>(session_, dir_, [this](bool ok) { finish(ok); });
        dialogs_->start();
        return;
    }
    session_.show(pages[index_]);
    QTimer::singleShot(kSettleMs, this, [this] { shoot(); });
}

void PageTour::finish(bool dialogsOk) {
    window_.log(dialogsOk ? QStringLiteral("tour: every dialog shown")
                          : QStringLiteral("tour: a dialog did not open"));
    ok_ =
        window_.saveScreenshot(QDir(dir_).filePath(QStringLiteral("99-message-log.png"))) && ok_ && dialogsOk;
    QApplication::exit(ok_ ? 0 : 1);
}

void PageTour::shoot() {
    const HostPage& page = PageMenu::pages()[index_];
    ok_ = window_.saveScreenshot(QDir(dir_).filePath(PageMenu::shotName(index_, page))) && ok_;
    ++index_;
    next();
}

} // namespace kesto
