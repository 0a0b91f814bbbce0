#pragma once
// Song drags on Qt's drag and drop: the records offered under one of our formats, and what a
// target reads back. Data from another process carries payloads whose token is not this
// process's: it offers nothing of ours. A file list from the desktop comes as local URLs.

#include "columns/drag_payload.h"
#include "columns/drop_rules.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QMimeData;

namespace kesto {

class SongDragData {
public:
    // The data of a drag that source started (its serial-th), offering the records under format.
    // The records must stay where they are until the drag ends.
    static std::unique_ptr<QMimeData> make(std::string_view format, const std::vector<const Song*>& records,
                                           const void* source, std::uint64_t serial);
    // The same records offered under each of several formats.
    static std::unique_ptr<QMimeData> make(std::span<const std::string_view> formats,
                                           const std::vector<const Song*>& records, const void* source,
                                           std::uint64_t serial);
    // Our formats whose payload this process made.
    static std::vector<std::string> formats(const QMimeData& data);
    // The payload under one format, when this process made it.
    static std::optional<DragPayload> payload(const QMimeData& data, std::string_view format);
    // The songs of a drop: the payload under the first format of the drop order.
    static std::optional<DragPayload> songs(const QMimeData& data);
    // The local files and folders of a file list, as paths of this system.
    static std::vector<std::string> localFiles(const QMimeData& data);
    static DropOffer offer(const QMimeData& data);
    static std::uint64_t idOf(const void* list) { return reinterpret_cast<std::uintptr_t>(list); }
};

} // namespace kesto
