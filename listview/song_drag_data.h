#pragma once
// Song drags on Qt's drag and drop: a running drag of the drag table offered under our formats,
// and what a target reads back. Data from another process carries payloads whose token is not
// this process's, or names no running drag: it offers nothing of ours. A file list from the
// desktop comes as local URLs.

#include "columns/drag_payload.h"
#include "columns/drop_rules.h"
#include "songs/song.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QMimeData;

namespace kesto {

class SongDragData {
public:
    // The data of the running drag serial (kept in the drag table), offered under format.
    static std::unique_ptr<QMimeData> make(std::string_view format, std::uint64_t serial);
    // The payload under one format, when it names a running drag of this process.
    static std::optional<DragPayload> payload(const QMimeData& data, std::string_view format);
    // The songs of a drop: copies of the running drag's songs named under the first format of
    // the drop order; nothing when no format names one.
    static std::optional<std::vector<Song>> songs(const QMimeData& data);
    // The local files and folders of a file list, as paths of this system.
    static std::vector<std::string> localFiles(const QMimeData& data);
    // Our formats whose payload names a running drag of this process, and the files.
    static DropOffer offer(const QMimeData& data);
    static std::uint64_t idOf(const void* list) { return reinterpret_cast<std::uintptr_t>(list); }
};

} // namespace kesto
