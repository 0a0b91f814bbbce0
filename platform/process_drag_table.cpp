#include "platform/process_drag_table.h"

#include <QCoreApplication>
#include <QVariant>

namespace kesto {

namespace {

constexpr const char* kHolderName = "kesto-drag-table";
constexpr const char* kTokenName = "token";
constexpr const char* kLastSerialName = "lastSerial";

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

} // namespace

std::uint64_t ProcessDragTable::token(std::uint64_t (*fresh)()) {
    QObject* table = holder(true);
    if (table == nullptr)
        return 0;
    const QVariant kept = table->property(kTokenName);
    if (kept.isValid())
        return kept.toULongLong();
    const std::uint64_t made = fresh();
    table->setProperty(kTokenName, QVariant::fromValue(static_cast<qulonglong>(made)));
    return made;
}

std::uint64_t ProcessDragTable::keep(const QByteArray& entry) {
    QObject* table = holder(true);
    if (table == nullptr)
        return 0;
    const std::uint64_t serial = table->property(kLastSerialName).toULongLong() + 1;
    table->setProperty(kLastSerialName, QVariant::fromValue(static_cast<qulonglong>(serial)));
    table->setProperty(nameOf(serial).constData(), entry);
    return serial;
}

void ProcessDragTable::forget(std::uint64_t serial) {
    if (QObject* table = holder(false); table != nullptr && serial != 0)
        table->setProperty(nameOf(serial).constData(), QVariant());
}

QByteArray ProcessDragTable::entry(std::uint64_t serial) {
    const QObject* table = holder(false);
    if (table == nullptr || serial == 0)
        return {};
    return table->property(nameOf(serial).constData()).toByteArray();
}

} // namespace kesto
