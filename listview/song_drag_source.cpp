#include "listview/song_drag_source.h"

#include "columns/drag_formats.h"
#include "listview/list_control_owner.h"
#include "listview/song_drag_data.h"
#include "listview/song_list_view.h"

#include <QMimeData>

namespace kesto {

std::unique_ptr<QMimeData> SongDragSource::begin() {
    if (!list_.isMiniList() && !DragFormats::dragStarts(owner_.pageKind()))
        return nullptr;
    const std::vector<int> rows = list_.selectedRows();
    std::vector<std::unique_ptr<Song>> copies;
    std::vector<const Song*> records;
    for (int row : rows) {
        const Song* record = list_.record(row);
        if (record == nullptr)
            return nullptr;
        copies.push_back(std::make_unique<Song>(*record));
        records.push_back(copies.back().get());
    }
    // The mini list shows the now-playing list: besides its own format it offers what the
    // now-playing page would, so that albums and play lists take its songs alike.
    const std::string_view format = DragFormats::offeredBy(
        list_.isMiniList() ? DragFormats::kNowPlayingPage : owner_.pageKind(), records);
    if (format.empty())
        return nullptr;
    const std::string_view formats[] = {DragFormats::kMiniList, format};
    const std::span<const std::string_view> offered =
        list_.isMiniList() ? std::span<const std::string_view>(formats) : std::span(formats).subspan(1);
    dropRow_ = -1;
    rows_ = rows;
    copies_ = std::move(copies);
    dragging_ = true;
    return SongDragData::make(offered, records, &list_, ++serial_);
}

void SongDragSource::end() {
    dragging_ = false;
    copies_.clear();
}

bool SongDragSource::startedHere(const QMimeData& data) const {
    if (!dragging_)
        return false;
    for (const std::string& format : SongDragData::formats(data)) {
        const auto payload = SongDragData::payload(data, format);
        if (payload && payload->source == SongDragData::idOf(&list_) && payload->serial == serial_)
            return true;
    }
    return false;
}

} // namespace kesto
