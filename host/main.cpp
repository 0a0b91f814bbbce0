// kesto-player: the reference host. Options: --module PATH, --offscreen, --tour DIR, --data DIR
// (the data folder of the in-process service; a fresh one by default).
#include "host/host_log.h"
#include "host/host_mini_mode.h"
#include "host/host_session.h"
#include "host/main_window.h"
#include "host/page_tour.h"
#include "host/web_sandbox.h"

#include <QApplication>
#include <QMenuBar>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

struct Options {
    std::string module;
    std::string tourDir;
    std::string dataDir;
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
        else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc)
            options.dataDir = argv[++i];
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    if (options.offscreen)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Both before the application exists: the web engine reads them once.
    const std::string sandboxNote = kesto::WebSandbox::apply(kesto::WebSandbox::probe());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    kesto::MainWindow window;
    window.show();
    if (!sandboxNote.empty())
        kesto::HostLog::write(QString::fromStdString(sandboxNote));
    // The session works in its data folder: the tour's folder is fixed before that.
    const std::string tourDir =
        options.tourDir.empty() ? std::string() : std::filesystem::absolute(options.tourDir).string();
    kesto::HostSession session(window);
    session.start(QString::fromStdString(std::filesystem::absolute(options.module).string()),
                  options.dataDir);
    kesto::HostMiniMode miniMode(window, session.module());
    miniMode.install(*window.menuBar());
    kesto::PageTour tour(window, session, QString::fromStdString(tourDir));
    tour.setFinale([&miniMode](const QString& dir, std::function<void(bool)> done) {
        miniMode.tour(dir, std::move(done));
    });
    if (!options.tourDir.empty())
        tour.start();
    return app.exec();
}
