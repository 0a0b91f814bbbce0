#pragma once
// The logging category of the HTML view: links and addresses it refuses, silently for the user.

#include <QLoggingCategory>

namespace kesto {

Q_DECLARE_LOGGING_CATEGORY(webLog)

} // namespace kesto
