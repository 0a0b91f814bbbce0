#pragma once
// A download in the status line: a bar of the songs done out of all, the song on its way and a
// Cancel button while it runs; at the end what landed and, by name, what did not.

#include <QStringList>
#include <QWidget>

class QLabel;
class QProgressBar;
class QToolButton;

namespace kesto {

class MainWindow;

class DownloadBar : public QWidget {
    Q_OBJECT
public:
    // Adds itself to the window's status line, hidden until a download runs.
    explicit DownloadBar(MainWindow& window);

    void showProgress(int done, int total, const QString& song);
    void showFinished(const QStringList& landed, const QStringList& failed, const QString& folder);

signals:
    void cancelRequested();

private:
    MainWindow& window_;
    QLabel* song_;
    QProgressBar* bar_;
    QToolButton* cancel_;
};

} // namespace kesto
