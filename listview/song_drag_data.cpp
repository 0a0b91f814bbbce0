#include "listview/song_drag_data.h"

#include "columns/drag_formats.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace kesto {

namespace {

QString nameOf(std::string_view format) {
    return QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size()));
}

} // namespace

std::unique_ptr<QMimeData> SongDragData::make(std::string_view format,
                                              const std::vector<const Song*>& records, const void* source,
                                              std::uint64_t serial) {
    return make(std::span<const std::string_view>(&format, 1), records, source, serial);
}

std::unique_ptr<QMimeData> SongDragData::make(std::span<const std::string_view> formats,
                                              const std::vector<const Song*>& records, const void* source,
                                              std::uint64_t serial) {
    DragPayload payload;
    payload.token = DragPayload::processToken();
    payload.source = idOf(source);
    payload.serial = serial;
    payload.records = records;
    const std::string bytes = payload.encode();
    auto data = std::make_unique<QMimeData>();
    for (std::string_view format : formats)
        data->setData(nameOf(format), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return data;
}

std::optional<DragPayload> SongDragData::payload(const QMimeData& data, std::string_view format) {
    const QString name = nameOf(format);
    if (!data.hasFormat(name))
        return std::nullopt;
    const QByteArray bytes = data.data(name);
    return DragPayload::decode(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                               DragPayload::processToken());
}

std::vector<std::string> SongDragData::formats(const QMimeData& data) {
    std::vector<std::string> ours;
    for (std::string_view format : DragFormats::kAll)
        if (payload(data, format))
            ours.emplace_back(format);
    return ours;
}

std::optional<DragPayload> SongDragData::songs(const QMimeData& data) {
    for (std::string_view format : DragFormats::kPayloadOrder)
        if (auto found = payload(data, format))
            return found;
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
    return DropOffer::of(formats(data), !localFiles(data).empty());
}

} // namespace kesto
