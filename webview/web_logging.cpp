#include "webview/web_logging.h"

namespace kesto {

// Silent unless QT_LOGGING_RULES turns on "kesto.web.warning".
Q_LOGGING_CATEGORY(webLog, "kesto.web", QtCriticalMsg)

} // namespace kesto
