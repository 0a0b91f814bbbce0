#pragma once
// The album name of a song of the now-playing list, read from the copy of the list that
// entry 12 sends to a window of the host.

#include "include/kesto/panel_api.h"

#include <QWidget>

namespace kesto {

class NowPlayingAlbum : public QWidget {
public:
    // UTF-8; empty without panel or song at that position.
    static QString read(KestoEntry12 entry, int position);

protected:
    bool event(QEvent* event) override;

private:
    explicit NowPlayingAlbum(int position) : position_(position) {}

    int position_;
    QString album_;
};

} // namespace kesto
