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
    std::vector<std::unique_ptr<SongRecord>> copies;
    std::vector<const SongRecord*> records;
    for (int row : rows) {
        const SongRecord* record = list_.record(row);
        if (record == nullptr)
            return nullptr;
        copies.push_back(std::make_unique<SongRecord>(*record));
        records.push_back(copies.back().get());
    }
    // Rows of the mini list go only where its own format is taken: back into the mini list.
    const std::string_view format =
        list_.isMiniList() ? DragFormats::kMiniList : DragFormats::offeredBy(owner_.pageKind(), records);
    if (records.empty() || format.empty())
        return nullptr;
    dropRow_ = -1;
    rows_ = rows;
    copies_ = std::move(copies);
    dragging_ = true;
    return SongDragData::make(format, records, &list_, ++serial_);
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
