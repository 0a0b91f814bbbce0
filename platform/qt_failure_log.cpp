#include "platform/qt_failure_log.h"

#include <QMessageLogger>
#include <QString>

#include <array>
#include <memory>

namespace kesto {

namespace {

// Only critical messages would pass by default, and the module writes warnings: the shipped
// panel prints nothing until the rules ask for it.
constexpr QtMsgType kDefaultLevel = QtCriticalMsg;

using Categories = std::array<std::unique_ptr<QLoggingCategory>, FailureLog::kCategoryCount>;

Categories makeCategories() {
    Categories categories;
    for (int i = 0; i < FailureLog::kCategoryCount; ++i)
        categories[static_cast<std::size_t>(i)] =
            std::make_unique<QLoggingCategory>(FailureLog::name(static_cast<LogCategory>(i)), kDefaultLevel);
    return categories;
}

void toQt(LogCategory which, std::string_view line) {
    const QLoggingCategory& category = QtFailureLog::category(which);
    if (category.isWarningEnabled())
        QMessageLogger(nullptr, 0, nullptr, category.categoryName()).warning().noquote()
            << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

} // namespace

void QtFailureLog::install() {
    FailureLog::setSink(&toQt);
}

const QLoggingCategory& QtFailureLog::category(LogCategory which) {
    static const Categories categories = makeCategories();
    return *categories[static_cast<std::size_t>(which)];
}

} // namespace kesto
