#include "host/window/page_menu.h"

#include "host/demo/demo_library.h"
#include "include/kesto/panel_api.h"

#include <QMenu>
#include <QMenuBar>

#include <array>
#include <cstring>
#include <map>

namespace kesto {

namespace {

constexpr std::array kPages = {
    HostPage{"차트", "실시간 차트 TOP 100", 2, 1001, "00101"},
    HostPage{"차트", "최신 음악", 2, 1001, "00102"},
    HostPage{"차트", "발라드 차트", 2, 1001, "00103"},
    HostPage{"차트", "추천 음악", 2, 1001, "00104"},
    HostPage{"차트", "MP3벨", 2, 1001, "238"},
    HostPage{"내 음악", "최근 들은 곡", 4, 2400, ""},
    HostPage{"내 음악", "많이 들은 곡", 4, 2500, ""},
    HostPage{"내 음악", "마이 앨범", 4, 2100, ""},
    HostPage{"내 음악", "구매 목록", 4, 5100, ""},
    HostPage{"내 음악", "기간제 구매 목록", 4, 5200, ""},
    HostPage{"내 음악", "앨범 구매 목록", 4, 5300, ""},
    HostPage{"내 음악", "컬러링/벨 구간", 4, 5400, ""},
    HostPage{"내 음악", "받은 선물함", 4, 6000, ""},
    HostPage{"내 음악", "보낸 선물함", 4, 7000, ""},
    HostPage{"내 음악", "장바구니", 4, 9000, ""},
    HostPage{"뮤직비디오", "뮤직비디오 구매 목록", 4, 9600, ""},
    HostPage{"뮤직비디오", "뮤직비디오 장바구니", 4, 9700, ""},
    HostPage{"내 PC", "다운로드 보관함", 4, KESTO_MENU_DOWNLOAD_STORAGE, ""},
    HostPage{"내 PC", "로컬 앨범 (전체)", 4, 4000, ""},
    HostPage{"내 PC", "로컬 앨범: 데모 앨범", 4, 4100, DemoLibrary::kAlbumId},
    HostPage{"내 PC", "플레이리스트: 드라이브 플레이리스트", 4, 4100, DemoLibrary::kPlayListId},
    HostPage{"기기", "MP3폰", 4, 3100, ""},
    HostPage{"기기", "기기 목록 3200", 4, 3200, ""},
    HostPage{"기기", "기기 목록 3300", 4, 3300, ""},
    HostPage{"기기", "기기 목록 3400", 4, 3400, ""},
    HostPage{"기기", "기기 목록 3500", 4, 3500, ""},
    HostPage{"기기", "MP3폰 (출처)", 4, 3600, ""},
    HostPage{"재생", "지금 재생 목록", 4, 0, ""},
};

} // namespace

std::span<const HostPage> PageMenu::pages() {
    return kPages;
}

void PageMenu::install(QMenuBar& bar, const std::function<void(const HostPage&)>& show) {
    std::map<std::string, QMenu*> groups;
    // Before Help, which stays last.
    QAction* help = bar.actions().isEmpty() ? nullptr : bar.actions().constLast();
    for (const HostPage& page : kPages) {
        QMenu*& menu = groups[page.group];
        if (menu == nullptr)
            menu = new QMenu(QString::fromUtf8(page.group), &bar);
        bar.insertMenu(help, menu);
        menu->addAction(QString::fromUtf8(page.title), [show, &page] { show(page); });
    }
}

QString PageMenu::shotName(std::size_t index, const HostPage& page) {
    QString name = QStringLiteral("%1-%2").arg(index + 1, 2, 10, QLatin1Char('0')).arg(page.menuId);
    if (std::strlen(page.parameter) > 0)
        name += QLatin1Char('-') + QString::fromLatin1(page.parameter);
    return name + QStringLiteral(".png");
}

} // namespace kesto
