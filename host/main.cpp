// kesto-player: the reference host. Options: --module PATH, --offscreen, --tour DIR.
#include "host/host_session.h"
#include "host/main_window.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

struct Options {
    std::string module;
    std::string tourDir;
    bool offscreen = false;
};

// The module of the same build tree: <build>/host/kesto-player -> <build>/entry/libKesto_List.so.
std::string defaultModule() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return (exe.parent_path().parent_path() / "entry" / "libKesto_List.so").string();
}

Options parse(int argc, char** argv) {
    Options options;
    options.module = defaultModule();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--offscreen") == 0)
            options.offscreen = true;
        else if (std::strcmp(argv[i], "--module") == 0 && i + 1 < argc)
            options.module = argv[++i];
        else if (std::strcmp(argv[i], "--tour") == 0 && i + 1 < argc)
            options.tourDir = argv[++i];
    }
    return options;
}

// Screenshots of what the window shows, then the end of the run.
void scheduleTour(kesto::MainWindow& window, const QString& dir) {
    QTimer::singleShot(500, &window, [&window, dir] {
        QDir().mkpath(dir);
        bool ok = window.saveScreenshot(QDir(dir).filePath(QStringLiteral("01-main-window.png")));
        window.log(QStringLiteral("tour: screenshots in %1").arg(dir));
        ok = window.saveScreenshot(QDir(dir).filePath(QStringLiteral("02-message-log.png"))) && ok;
        QApplication::exit(ok ? 0 : 1);
    });
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    if (options.offscreen)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The panel's web view needs shared GL contexts, set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    kesto::MainWindow window;
    window.show();
    kesto::HostSession session(window);
    session.start(QString::fromStdString(options.module));
    if (!options.tourDir.empty())
        scheduleTour(window, QString::fromStdString(options.tourDir));
    return app.exec();
}
