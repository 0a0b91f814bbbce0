#include "host/window/main_window.h"

#include "host/session/host_log.h"
#include "host/session/host_message_text.h"
#include "host/session/host_panel_area.h"
#include "host/session/log_mask.h"
#include "host/store/curl_request.h"
#include "host/window/player_settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QThread>
#include <QTime>

namespace kesto {
namespace {

constexpr const char* kAppTitle = "Kesto Player";
constexpr int kStatusMs = 8000;
constexpr int kSourceWidth = 210;

// What the pane and the status line show: forms and logins without their secrets.
QString masked(const QString& text) {
    return QString::fromStdString(LogMask::masked(text.toStdString()));
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), panelArea_(new HostPanelArea(this)), split_(new QSplitter(Qt::Horizontal, this)),
      logPane_(new QPlainTextEdit(this)), fileMenu_(menuBar()->addMenu(tr("&File"))),
      viewMenu_(menuBar()->addMenu(tr("&View"))), helpMenu_(menuBar()->addMenu(tr("&Help"))),
      waitLabel_(new QLabel(this)) {
    setWindowTitle(QString::fromLatin1(kAppTitle));
    split_->setObjectName(QStringLiteral("sourceSplit"));
    split_->setChildrenCollapsible(false);
    split_->addWidget(panelArea_);
    setCentralWidget(split_);
    fileMenu_->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    logPane_->setObjectName(QStringLiteral("messageLog"));
    logPane_->setReadOnly(true);
    logPane_->setMaximumBlockCount(2000);
    auto* dock = new QDockWidget(tr("Messages"), this);
    dock->setObjectName(QStringLiteral("messages"));
    dock->setWidget(logPane_);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();
    QAction* messages = dock->toggleViewAction();
    messages->setObjectName(QStringLiteral("viewMessages"));
    messages->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    viewMenu_->addAction(messages);

    connect(panelArea_, &HostPanelArea::messageArrived, this, [this](unsigned message, qintptr w, qintptr l) {
        const HostMessage read = HostMessageText::read(message, w, l);
        log(QString::fromStdString(read.line));
        emit hostMessage(read);
    });
    HostLog::setSink([this](const QString& line) { log(line); });
    HostLog::setStatusSink([this](const QString& text) { say(text); });
    waitLabel_->setObjectName(QStringLiteral("waitLabel"));
    statusBar()->addPermanentWidget(waitLabel_);
    CurlRequest::setWaitSign([this](bool waiting) { showWaiting(waiting); });
    resize(1180, 760);
}

MainWindow::~MainWindow() {
    CurlRequest::setWaitSign({});
    HostLog::setSink({});
    HostLog::setStatusSink({});
}

void MainWindow::setSourcePane(QWidget* pane) {
    split_->insertWidget(0, pane);
    split_->setStretchFactor(0, 0);
    split_->setStretchFactor(1, 1);
    split_->setSizes({kSourceWidth, width() - kSourceWidth});
}

void MainWindow::restoreLayout() {
    restoreGeometry(PlayerSettings::value(PlayerSettings::kGeometry).toByteArray());
    restoreState(PlayerSettings::value(PlayerSettings::kWindowState).toByteArray());
    split_->restoreState(PlayerSettings::value(PlayerSettings::kSourceSplit).toByteArray());
}

void MainWindow::saveLayout() const {
    PlayerSettings::setValue(PlayerSettings::kGeometry, saveGeometry());
    PlayerSettings::setValue(PlayerSettings::kWindowState, saveState());
    PlayerSettings::setValue(PlayerSettings::kSourceSplit, split_->saveState());
    PlayerSettings::sync();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveLayout();
    QMainWindow::closeEvent(event);
}

void MainWindow::showWaiting(bool waiting) {
    // Requests off the window's thread have no window to show them in.
    if (QThread::currentThread() != thread())
        return;
    waits_ += waiting ? 1 : -1;
    if (waiting && waits_ == 1) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        waitLabel_->setText(tr("Waiting for the store…"));
    } else if (!waiting && waits_ == 0) {
        QApplication::restoreOverrideCursor();
        waitLabel_->clear();
    }
    // The request blocks the event loop: paint the word now or never.
    waitLabel_->repaint();
}

void MainWindow::showSong(const QString& caption) {
    setWindowTitle(caption.isEmpty() ? QString::fromLatin1(kAppTitle)
                                     : caption + QStringLiteral(" · ") + QString::fromLatin1(kAppTitle));
}

void MainWindow::log(const QString& line) {
    // The one way into the pane: nothing secret passes.
    logPane_->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + masked(line));
}

void MainWindow::say(const QString& text) {
    log(text);
    statusBar()->showMessage(masked(text), kStatusMs);
}

QString MainWindow::logText() const {
    return logPane_->toPlainText();
}

bool MainWindow::saveScreenshot(const QString& file) {
    return grab().save(file, "PNG");
}

} // namespace kesto
