// The song list of the loaded module on a real display, read by a real AT-SPI client (the
// script named by the first argument): Space ticks a row, then the header's box ticks all, and
// after each step the client reads the check cells over the accessibility bus.
#include "tests/integration/panel_host.h"

#include "columns/column_kind.h"
#include "listview/song_list_header.h"
#include "listview/song_list_view.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

#include <cstdio>

namespace {

using namespace std::chrono_literals;

constexpr int kTickedRow = 2;

// Runs the client on one step while the event loop answers its questions.
bool ask(const QString& script, const QStringList& arguments) {
    QProcess client;
    client.setProcessChannelMode(QProcess::ForwardedChannels);
    client.start(QStringLiteral("/usr/bin/python3"), QStringList{script} + arguments);
    const bool done =
        kesto::test::PanelHost::processUntil([&] { return client.state() == QProcess::NotRunning; }, 60s);
    return done && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication app(argc, argv);
    if (argc < 2)
        return std::fprintf(stderr, "usage: %s CLIENT.py\n", argv[0]), 2;
    kesto::test::PanelHost host;
    std::string why;
    if (!host.start(why))
        return std::fprintf(stderr, "panel host: %s\n", why.c_str()), 1;
    host.show(4, 1001, "00104"); // the chart, list alone
    host.hostWindow()->resize(1000, 700);
    host.hostWindow()->show();
    kesto::SongListView& list = *host.list();
    if (list.rowCount() <= kTickedRow)
        return std::fprintf(stderr, "the chart has no rows\n"), 1;
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home);
    for (int i = 0; i < kTickedRow; ++i)
        QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Space);
    const int title = list.table().columnOfKind(kesto::col::kSongName);
    const QString name = list.cellText(kTickedRow, title);
    const QString rows = QString::number(list.rowCount());
    if (!ask(QString::fromLocal8Bit(argv[1]),
             {QStringLiteral("one"), rows, QString::number(kTickedRow), name}))
        return std::fprintf(stderr, "after Space: the client disagrees\n"), 1;
    const int check = list.table().columnOfKind(kesto::col::kCheck);
    const QRect box = list.header()->geometry();
    QTest::mouseClick(
        list.header()->viewport(), Qt::LeftButton, {},
        QPoint(list.header()->sectionViewportPosition(check) + list.header()->sectionSize(check) / 2,
               box.height() / 2));
    if (list.checkedCount(check) != list.rowCount())
        return std::fprintf(stderr, "the header's box ticked %d rows\n", list.checkedCount(check)), 1;
    if (!ask(QString::fromLocal8Bit(argv[1]), {QStringLiteral("all"), rows}))
        return std::fprintf(stderr, "after check-all: the client disagrees\n"), 1;
    std::puts("the screen reader hears the ticks");
    return 0;
}
