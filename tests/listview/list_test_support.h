#pragma once
// A window that records the numbered messages it receives and an owner with settable answers
// and a scripted message box: the pieces a list control test talks to.

#include "include/kesto/window_message.h"
#include "listview/song_list_view.h"
#include "protocol/protocol_doubles.h"
#include "songs/song.h"

#include <QApplication>
#include <QWidget>

#include <string>
#include <vector>

namespace kesto::test {

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "listview_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's own globals are gone by the time static destructors would run it.
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

struct Received {
    unsigned message;
    std::intptr_t wParam;
    std::intptr_t lParam;
    bool operator==(const Received&) const = default;
};

class MessageSink : public QWidget {
public:
    std::vector<Received> received;

    // Delivers what was posted and returns everything received so far, then forgets it.
    std::vector<Received> take() {
        QCoreApplication::sendPostedEvents();
        return std::exchange(received, {});
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() != WindowMessageEvent::eventType())
            return QWidget::event(event);
        const auto* m = static_cast<WindowMessageEvent*>(event);
        received.push_back({m->message(), m->wParam(), m->lParam()});
        return true;
    }
};

// Tells the list its message box and counts its column changes.
struct TestOwner {
    void attach(SongListView& list) {
        list.setMessageBox(&box);
        QObject::connect(&list, &SongListView::columnsChanged, &list, [this] { ++columnChanges; });
    }

    int page = 1;
    int columnChanges = 0;
    ScriptedBox box;
};

inline Song song(const std::string& title, const std::string& artist = "Artist", int seconds = 200) {
    Song r;
    r.setText(SongField::Song_ID, "S" + title);
    r.setText(SongField::Song_Name, title);
    r.setText(SongField::Artist_Name, artist);
    r.setText(SongField::Album_Name, "Album " + title);
    r.Play_Time = seconds;
    return r;
}

} // namespace kesto::test
