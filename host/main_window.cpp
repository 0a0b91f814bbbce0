#include "host/main_window.h"

#include "host/host_log.h"
#include "host/host_message_text.h"
#include "host/host_panel_area.h"

#include <QDockWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTime>

namespace kesto {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), panelArea_(new HostPanelArea(this)), logPane_(new QPlainTextEdit(this)),
      fileMenu_(menuBar()->addMenu(tr("&File"))) {
    setWindowTitle(QStringLiteral("Kesto Player"));
    setCentralWidget(panelArea_);
    fileMenu_->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    logPane_->setReadOnly(true);
    logPane_->setMaximumBlockCount(2000);
    auto* dock = new QDockWidget(tr("Messages"), this);
    dock->setObjectName(QStringLiteral("messages"));
    dock->setWidget(logPane_);
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    addDockWidget(Qt::BottomDockWidgetArea, dock);

    connect(panelArea_, &HostPanelArea::messageArrived, this, [this](unsigned message, qintptr w, qintptr l) {
        const HostMessage read = HostMessageText::read(message, w, l);
        log(QString::fromStdString(read.line));
        emit hostMessage(read);
    });
    HostLog::setSink([this](const QString& line) { log(line); });
    resize(1024, 720);
}

void MainWindow::log(const QString& line) {
    logPane_->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + line);
}

QString MainWindow::logText() const {
    return logPane_->toPlainText();
}

bool MainWindow::saveScreenshot(const QString& file) {
    return grab().save(file, "PNG");
}

} // namespace kesto
