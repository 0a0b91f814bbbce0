// kesto-player: the reference host. Options: --module PATH, --offscreen, --tour DIR,
// --data DIR (data and settings of this run in DIR, kept), --fresh (in a temporary folder that
// goes at the end; a tour runs fresh unless --data is given). By default data lives in
// $XDG_DATA_HOME/kesto and settings in $XDG_CONFIG_HOME/kesto/registry.reg.
#include "host/audio/play_controller.h"
#include "host/mpris/mpris_service.h"
#include "host/session/data_folder.h"
#include "host/session/host_log.h"
#include "host/session/host_mini_mode.h"
#include "host/session/host_player.h"
#include "host/session/host_session.h"
#include "host/tour/page_tour.h"
#include "host/window/main_window.h"
#include "host/window/player_keys.h"
#include "host/window/player_settings.h"
#include "host/window/quit_on_signal.h"
#include "host/window/web_sandbox.h"

#include <QApplication>
#include <QMenuBar>

#include <cstdio>
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
    bool fresh = false;
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
        else if (std::strcmp(argv[i], "--fresh") == 0)
            options.fresh = true;
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
    // The session works in its data folder: paths given relative are fixed before that.
    const std::string tourDir =
        options.tourDir.empty() ? std::string() : std::filesystem::absolute(options.tourDir).string();
    const std::string module = std::filesystem::absolute(options.module).string();
    kesto::DataFolder data;
    using Kind = kesto::DataFolder::Kind;
    const bool fresh = options.fresh || (!options.tourDir.empty() && options.dataDir.empty());
    const Kind kind = !options.dataDir.empty() ? Kind::Chosen : fresh ? Kind::Fresh : Kind::User;
    std::string why;
    if (!data.open(kind, options.dataDir, why)) {
        std::fprintf(stderr, "kesto-player: %s\n", why.c_str());
        return 1;
    }
    kesto::PlayerSettings::useFolder(data.path());
    int result = 0;
    kesto::QuitOnSignal quitOnSignal;
    {
        kesto::MainWindow window;
        window.show();
        if (!sandboxNote.empty())
            kesto::HostLog::write(QString::fromStdString(sandboxNote));
        kesto::HostSession session(window);
        session.start(QString::fromStdString(module), data.path());
        kesto::HostPlayer player(window, session);
        kesto::HostMiniMode miniMode(window, session.module());
        miniMode.install(*window.menuBar());
        miniMode.follow(player.controller());
        kesto::PlayController& controller = player.controller();
        kesto::PlayerKeys keys(window, controller, [&controller] { controller.playOrPause(); });
        kesto::MprisService mpris(
            window, controller,
            {[&controller] { controller.playFromTop(); }, [&player] { return player.album(); }});
        window.restoreLayout();
        if (options.tourDir.empty())
            session.showOpeningPage();
        kesto::PageTour tour(window, session, player, QString::fromStdString(tourDir));
        tour.setFinale([&miniMode](const QString& dir, std::function<void(bool)> done) {
            miniMode.tour(dir, std::move(done));
        });
        if (!options.tourDir.empty())
            tour.start();
        result = app.exec();
        // A quit by signal or by the desktop closes no window: keep the layout all the same.
        window.saveLayout();
    }
    // The panel and the service are gone: a throwaway folder can go too.
    data.close();
    return result;
}
