#include "host/window/download_bar.h"

#include "host/window/main_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>

namespace kesto {
namespace {
constexpr int kBarWidth = 140;
} // namespace

DownloadBar::DownloadBar(MainWindow& window)
    : QWidget(&window), window_(window), song_(new QLabel(this)), bar_(new QProgressBar(this)),
      cancel_(new QToolButton(this)) {
    setObjectName(QStringLiteral("downloadBar"));
    song_->setTextFormat(Qt::PlainText);
    bar_->setObjectName(QStringLiteral("downloadProgress"));
    bar_->setFixedWidth(kBarWidth);
    bar_->setFormat(QStringLiteral("%v / %m"));
    cancel_->setObjectName(QStringLiteral("cancelDownload"));
    cancel_->setText(tr("Cancel"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(song_);
    row->addWidget(bar_);
    row->addWidget(cancel_);
    connect(cancel_, &QToolButton::clicked, this, [this] {
        cancel_->setEnabled(false);
        emit cancelRequested();
    });
    window.statusBar()->addPermanentWidget(this);
    hide();
}

void DownloadBar::showProgress(int done, int total, const QString& song) {
    if (isHidden())
        cancel_->setEnabled(true);
    song_->setText(tr("Downloading %1").arg(song));
    bar_->setRange(0, total);
    bar_->setValue(done);
    show();
}

void DownloadBar::showFinished(const QStringList& landed, const QStringList& failed, const QString& folder) {
    hide();
    QString text;
    if (!landed.isEmpty())
        text = landed.size() == 1 ? tr("Downloaded %1 into %2").arg(landed.front(), folder)
                                  : tr("Downloaded %1 songs into %2").arg(landed.size()).arg(folder);
    if (!failed.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(". ")) +
                tr("Not downloaded: %1").arg(failed.join(QStringLiteral(", ")));
    window_.say(text);
}

} // namespace kesto
