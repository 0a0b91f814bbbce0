#include "listview/song_drag_source.h"

#include "columns/drag_formats.h"
#include "listview/drag_table.h"
#include "listview/song_drag_data.h"
#include "listview/song_list_view.h"

#include <QMimeData>

namespace kesto {

std::unique_ptr<QMimeData> SongDragSource::begin() {
    if (!list_.isMiniList() && !DragFormats::dragStarts(list_.pageKind()))
        return nullptr;
    const std::vector<int> rows = list_.selectedRows();
    std::vector<const Song*> records;
    for (int row : rows) {
        const Song* record = list_.record(row);
        if (record == nullptr)
            return nullptr;
        records.push_back(record);
    }
    // Rows of the mini list go only where its own format is taken: back into the mini list.
    const std::string_view format =
        list_.isMiniList() ? DragFormats::kMiniList : DragFormats::offeredBy(list_.pageKind(), records);
    if (records.empty() || format.empty())
        return nullptr;
    const std::uint64_t serial = DragTable::keep(SongDragData::idOf(&list_), records);
    if (serial == 0)
        return nullptr;
    end();
    dropRow_ = -1;
    rows_ = rows;
    serial_ = serial;
    dragging_ = true;
    return SongDragData::make(format, serial);
}

void SongDragSource::end() {
    dragging_ = false;
    DragTable::forget(serial_);
    serial_ = 0;
}

bool SongDragSource::startedHere(const QMimeData& data) const {
    if (!dragging_)
        return false;
    for (const std::string& format : SongDragData::formats(data)) {
        const auto payload = SongDragData::payload(data, format);
        if (payload && payload->serial == serial_)
            return true;
    }
    return false;
}

} // namespace kesto
