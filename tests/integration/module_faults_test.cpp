// Faults around the loaded module never take the host down: a current folder removed, a data
// folder the panel may not enter, the settings file replaced by a folder, memory refused while
// a large list is taken in. Each leaves the panel usable and one line in the kesto.* logging
// categories, which print nothing until the logging rules ask for them.
#include "tests/integration/panel_host.h"

#include "listview/song_list_view.h"

#include <QLoggingCategory>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <linux/capability.h>
#include <mutex>
#include <sys/syscall.h>
#include <unistd.h>

namespace kesto::test {
namespace {

namespace fs = std::filesystem;

constexpr int kChartMenu = 1001;
constexpr const char* kFiftyRowChart = "00104";

// ---- what the module logs ----

std::mutex linesMutex;
std::vector<std::string> kestoLines;

void keepKestoLines(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (context.category != nullptr && std::string_view(context.category).starts_with("kesto.")) {
        std::lock_guard lock(linesMutex);
        kestoLines.push_back(std::string(context.category) + ": " + text.toStdString());
    }
}

bool logged(std::string_view category) {
    std::lock_guard lock(linesMutex);
    return std::any_of(kestoLines.begin(), kestoLines.end(),
                       [&](const std::string& line) { return line.starts_with(category); });
}

// ---- memory refused ----

// While armed, the countdown-th allocation the module itself asks for is refused: only the
// module's own code sees bad_alloc, never Qt's, which is built without exceptions.
std::atomic<int> countdown{0};
std::atomic<bool> refused{false};
const void* moduleBase = nullptr;

bool askedByModule(const void* caller) {
    Dl_info info{};
    return moduleBase != nullptr && dladdr(caller, &info) != 0 && info.dli_fbase == moduleBase;
}

void* allocate(std::size_t size, const void* caller) {
    if (countdown.load() > 0 && askedByModule(caller) && --countdown == 0) {
        refused = true;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

// ---- permissions that apply to root too ----

// Root passes every permission check by its capabilities: without them in effect the file
// modes apply. The capabilities stay permitted, so they come back.
void dacOverride(bool on) {
    if (::geteuid() != 0)
        return;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    ::syscall(SYS_capget, &header, data);
    constexpr unsigned kDac = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    data[0].effective = on ? data[0].effective | kDac : data[0].effective & ~kDac;
    ::syscall(SYS_capset, &header, data);
}

struct Fault {
    const char* name;
    const char* category; // where the module says what it swallowed
    std::function<void(const fs::path& data)> arrange;
    std::function<void(const fs::path& data)> undo;
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

const Fault kFaults[] = {
    {"CurrentFolderRemoved", "kesto.panel",
     [](const fs::path& data) {
         fs::create_directory(data / "gone");
         fs::current_path(data / "gone");
         fs::remove(data / "gone");
     },
     [](const fs::path& data) { fs::current_path(data); }},
    {"DataFolderWithoutPermissions", "kesto.library",
     [](const fs::path& data) {
         fs::create_directory(data / "locked");
         fs::current_path(data / "locked");
         fs::permissions(data / "locked", fs::perms::none);
         dacOverride(false);
     },
     [](const fs::path& data) {
         dacOverride(true);
         fs::permissions(data / "locked", fs::perms::owner_all);
         fs::current_path(data);
     }},
    {"SettingsFileIsAFolder", "kesto.settings",
     [](const fs::path& data) { fs::create_directories(data / "registry.reg" / "inside"); },
     [](const fs::path&) {}},
};

class ModuleFaultsTest : public ::testing::TestWithParam<Fault> {
protected:
    void SetUp() override {
        kestoLines.clear();
        previous = qInstallMessageHandler(&keepKestoLines);
    }
    void TearDown() override {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules({});
    }
    void start() {
        std::string why;
        ASSERT_TRUE(host.start(why)) << why;
    }
    // The panel still shows a server list whole.
    void expectUsable() {
        host.show(2, kChartMenu, kFiftyRowChart);
        ASSERT_NE(host.list(), nullptr);
        EXPECT_EQ(host.list()->rowCount(), 50);
    }

    PanelHost host;
    QtMessageHandler previous = nullptr;
};

TEST_P(ModuleFaultsTest, ThePanelIsMadeAndUsableAndTheFaultLogged) {
    QLoggingCategory::setFilterRules(QStringLiteral("kesto.*=true"));
    const Fault& fault = GetParam();
    fault.arrange(host.dataFolder());
    start(); // entry 16 answers 1: a panel without what the fault took
    expectUsable();
    // Settings written while the fault holds go nowhere, and nothing is written over.
    EXPECT_EQ(host.entry<KestoEntry72>(72)(1), 1);
    PanelHost::processPending();
    EXPECT_TRUE(logged(fault.category)) << fault.name;
    fault.undo(host.dataFolder());
    EXPECT_TRUE(fs::is_directory(host.dataFolder() / "registry.reg") ==
                (std::string_view(fault.name) == "SettingsFileIsAFolder"));
    expectUsable();
}

INSTANTIATE_TEST_SUITE_P(Faults, ModuleFaultsTest, ::testing::ValuesIn(kFaults),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(ModuleFaultsTest, WithDefaultRulesTheModulePrintsNothing) {
    kFaults[0].arrange(host.dataFolder());
    start();
    PanelHost::processPending();
    kFaults[0].undo(host.dataFolder());
    std::lock_guard lock(linesMutex);
    EXPECT_TRUE(kestoLines.empty()) << kestoLines.front();
}

// A chart reply of rows rows, each a song of its own.
std::string largeChart(int rows) {
    std::vector<std::string> names;
    for (int i = 0; i < rows; ++i)
        names.push_back("song" + std::to_string(i));
    return chartReply(rows, names);
}

TEST_F(ModuleFaultsTest, MemoryRefusedAnywhereInALargeListLeavesThePanelUsable) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator takes the place of the refusing one";
#endif
    QLoggingCategory::setFilterRules(QStringLiteral("kesto.*=true"));
    start();
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(host.entry<KestoEntry0>(0)), &info), 0);
    moduleBase = info.dli_fbase;
    // From the reply's arrival to its rows on screen, one refusal at a time.
    int refusals = 0;
    for (int nth = 1;; nth += nth / 2 + 1) {
        PanelHost::overrideReplies(largeChart(3000));
        refused = false;
        countdown = nth;
        host.show(2, kChartMenu, kFiftyRowChart);
        countdown = 0;
        PanelHost::overrideReplies(std::nullopt);
        PanelHost::processPending();
        if (!refused)
            break; // the list went in whole
        ++refusals;
        expectUsable();
    }
    EXPECT_GT(refusals, 3);
    EXPECT_TRUE(logged("kesto.entry"));
    EXPECT_EQ(host.list()->rowCount(), 3000);
}

} // namespace
} // namespace kesto::test

// The test program's allocator, which the loaded module uses too (not beside a sanitizer's).
#if !defined(__SANITIZE_ADDRESS__)
void* operator new(std::size_t size) {
    return kesto::test::allocate(size, __builtin_return_address(0));
}
void* operator new[](std::size_t size) {
    return kesto::test::allocate(size, __builtin_return_address(0));
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
#endif
