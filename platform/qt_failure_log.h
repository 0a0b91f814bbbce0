#pragma once
// The failure log over Qt's logging categories: one QLoggingCategory per LogCategory, named as
// FailureLog names it, silent unless the logging rules switch it on (QT_LOGGING_RULES="kesto.*=true").

#include "platform/failure_log.h"

#include <QLoggingCategory>

namespace kesto {

class QtFailureLog {
public:
    // Makes Qt's logging the sink of FailureLog.
    static void install();
    static const QLoggingCategory& category(LogCategory category);
};

} // namespace kesto
