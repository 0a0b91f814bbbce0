// kesto-player: the reference host. Options: --module PATH, --offscreen, --tour DIR, --data DIR
// (the data folder of the in-process service; a fresh one by default).
#include "host/host_session.h"
#include "host/main_window.h"
#include "host/page_tour.h"

#include <QApplication>

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

// The module of the same build tree (<build>/host/kesto-player -> <build>/entry/libKesto_List.so),
// else the installed one beside the installed player (<prefix>/bin -> <prefix>/<libdir>).
std::string defaultModule() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto built = exe.parent_path().parent_path() / "entry" / "libKesto_List.so";
#ifdef KESTO_INSTALL_LIBDIR
    if (!std::filesystem::exists(built, ec))
        return (exe.parent_path().parent_path() / KESTO_INSTALL_LIBDIR / "libKesto_List.so").string();
#endif
    return built.string();
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
    // The panel's web view needs shared GL contexts, set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    kesto::MainWindow window;
    window.show();
    // The session works in its data folder: the tour's folder is fixed before that.
    const std::string tourDir =
        options.tourDir.empty() ? std::string() : std::filesystem::absolute(options.tourDir).string();
    kesto::HostSession session(window);
    session.start(QString::fromStdString(std::filesystem::absolute(options.module).string()),
                  options.dataDir);
    kesto::PageTour tour(window, session, QString::fromStdString(tourDir));
    if (!options.tourDir.empty())
        tour.start();
    return app.exec();
}
