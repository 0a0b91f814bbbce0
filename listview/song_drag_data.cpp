#include "listview/song_drag_data.h"

#include "columns/drag_formats.h"
#include "listview/drag_table.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace kesto {

namespace {

QString nameOf(std::string_view format) {
    return QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size()));
}

} // namespace

std::unique_ptr<QMimeData> SongDragData::make(std::string_view format, std::uint64_t serial) {
    const std::string bytes = DragPayload{DragTable::token(), serial}.encode();
    auto data = std::make_unique<QMimeData>();
    data->setData(nameOf(format), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return data;
}

std::optional<DragPayload> SongDragData::payload(const QMimeData& data, std::string_view format) {
    const QString name = nameOf(format);
    if (!data.hasFormat(name))
        return std::nullopt;
    const QByteArray bytes = data.data(name);
    auto payload = DragPayload::decode(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), DragTable::token());
    if (payload && !DragTable::runs(payload->serial))
        return std::nullopt;
    return payload;
}

std::optional<std::vector<Song>> SongDragData::songs(const QMimeData& data) {
    for (std::string_view format : DragFormats::kPayloadOrder)
        if (auto found = payload(data, format))
            return DragTable::songsOf(found->serial);
    return std::nullopt;
}

std::vector<std::string> SongDragData::localFiles(const QMimeData& data) {
    std::vector<std::string> paths;
    if (!data.hasUrls())
        return paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    return paths;
}

DropOffer SongDragData::offer(const QMimeData& data) {
    std::vector<std::string> ours;
    for (std::string_view format : DragFormats::kAll)
        if (payload(data, format))
            ours.emplace_back(format);
    return DropOffer::of(ours, !localFiles(data).empty());
}

} // namespace kesto
