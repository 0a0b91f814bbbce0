#include "listview/drag_table.h"

#include "columns/drag_payload.h"

#include <QCoreApplication>
#include <QVariant>

#include <cstring>
#include <type_traits>

namespace kesto {

namespace {

constexpr const char* kHolderName = "kesto-drag-table";
constexpr const char* kTokenName = "token";
constexpr const char* kLastSerialName = "lastSerial";
// A drag's entry: the source list's id, then the songs' bytes.
constexpr qsizetype kSourceBytes = sizeof(std::uint64_t);

static_assert(std::is_trivially_copyable_v<SongRecord>);

QObject* holder(bool make) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return nullptr;
    if (auto* found = app->findChild<QObject*>(QLatin1String(kHolderName), Qt::FindDirectChildrenOnly))
        return found;
    if (!make)
        return nullptr;
    auto* made = new QObject(app);
    made->setObjectName(QLatin1String(kHolderName));
    return made;
}

QByteArray nameOf(std::uint64_t serial) {
    return "drag" + QByteArray::number(static_cast<qulonglong>(serial));
}

QByteArray entryOf(std::uint64_t serial) {
    const QObject* table = holder(false);
    if (table == nullptr || serial == 0)
        return {};
    return table->property(nameOf(serial).constData()).toByteArray();
}

} // namespace

std::uint64_t DragTable::token() {
    QObject* table = holder(true);
    if (table == nullptr)
        return 0;
    const QVariant kept = table->property(kTokenName);
    if (kept.isValid())
        return kept.toULongLong();
    const std::uint64_t made = DragPayload::freshToken();
    table->setProperty(kTokenName, QVariant::fromValue(static_cast<qulonglong>(made)));
    return made;
}

std::uint64_t DragTable::keep(std::uint64_t source, std::span<const SongRecord* const> songs) {
    QObject* table = holder(true);
    if (table == nullptr || token() == 0)
        return 0;
    QByteArray entry;
    entry.reserve(kSourceBytes + static_cast<qsizetype>(songs.size() * sizeof(SongRecord)));
    entry.append(reinterpret_cast<const char*>(&source), kSourceBytes);
    for (const SongRecord* song : songs)
        entry.append(reinterpret_cast<const char*>(song), sizeof(SongRecord));
    const std::uint64_t serial = table->property(kLastSerialName).toULongLong() + 1;
    table->setProperty(kLastSerialName, QVariant::fromValue(static_cast<qulonglong>(serial)));
    table->setProperty(nameOf(serial).constData(), entry);
    return serial;
}

void DragTable::forget(std::uint64_t serial) {
    if (QObject* table = holder(false); table != nullptr && serial != 0)
        table->setProperty(nameOf(serial).constData(), QVariant());
}

std::optional<std::uint64_t> DragTable::sourceOf(std::uint64_t serial) {
    const QByteArray entry = entryOf(serial);
    if (entry.size() < kSourceBytes)
        return std::nullopt;
    std::uint64_t source = 0;
    std::memcpy(&source, entry.constData(), sizeof source);
    return source;
}

std::vector<SongRecord> DragTable::songsOf(std::uint64_t serial) {
    const QByteArray entry = entryOf(serial);
    std::vector<SongRecord> songs;
    if (entry.size() < kSourceBytes)
        return songs;
    const auto count = static_cast<std::size_t>(entry.size() - kSourceBytes) / sizeof(SongRecord);
    songs.resize(count);
    if (count > 0)
        std::memcpy(static_cast<void*>(songs.data()), entry.constData() + kSourceBytes,
                    count * sizeof(SongRecord));
    return songs;
}

} // namespace kesto
