// Delivery of posted messages to the host window under the offscreen platform.
#include "host/host_panel_area.h"
#include "host/main_window.h"
#include "include/kesto/panel_api.h"
#include "platform/host_block.h"
#include "platform/qt_message_port.h"

#include <QSignalSpy>
#include <QTest>
#include <thread>

namespace kesto {

class HostWindowMessageTest : public QObject {
    Q_OBJECT
private slots:
    void postedMessageArrivesLaterOnTheGuiThread() {
        HostPanelArea area;
        QSignalSpy spy(&area, &HostPanelArea::messageArrived);
        QVERIFY(QtMessagePort::instance().post(&area, KESTO_MSG_PLAY_NOW_PLAYING, 3, 1));
        QCOMPARE(spy.count(), 0); // queued, not delivered on the spot
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toUInt(), 1133u);
        QCOMPARE(spy.at(0).at(1).value<qintptr>(), qintptr(3));
        QCOMPARE(spy.at(0).at(2).value<qintptr>(), qintptr(1));
    }

    void postFromAWorkerThreadIsDeliveredInOrder() {
        HostPanelArea area;
        QSignalSpy spy(&area, &HostPanelArea::messageArrived);
        std::thread worker([&area] {
            for (int i = 0; i < 5; ++i)
                QtMessagePort::instance().post(&area, 1120, i, 0);
        });
        worker.join();
        QTRY_COMPARE(spy.count(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(spy.at(i).at(1).value<qintptr>(), qintptr(i));
    }

    void sentMessageIsDeliveredAtOnceAndNullTargetsAreRefused() {
        HostPanelArea area;
        QSignalSpy spy(&area, &HostPanelArea::messageArrived);
        QCOMPARE(QtMessagePort::instance().send(&area, 1331, 0, 0), std::intptr_t(0));
        QCOMPARE(spy.count(), 1);
        QVERIFY(!QtMessagePort::instance().post(nullptr, 1331, 0, 0));
        QCOMPARE(QtMessagePort::instance().send(nullptr, 1331, 0, 0), std::intptr_t(0));
    }

    void mainWindowLogsEveryPostedMessage() {
        MainWindow window;
        window.show();
        const auto url = reinterpret_cast<std::intptr_t>(HostBlock::copyForHost("http://w/page.jsp", 512));
        QtMessagePort::instance().post(window.panelArea(), KESTO_MSG_OPEN_WEB_PAGE, url, 0);
        QtMessagePort::instance().post(window.panelArea(), KESTO_MSG_LOGIN_INVALID, 0, 0);
        QTRY_VERIFY(window.logText().contains(QStringLiteral("1143")));
        QVERIFY(window.logText().contains(QStringLiteral("http://w/page.jsp")));
    }
};

} // namespace kesto

QTEST_MAIN(kesto::HostWindowMessageTest)
#include "host_window_message_test.moc"
