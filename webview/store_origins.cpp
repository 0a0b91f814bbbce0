#include "webview/store_origins.h"

#include <QString>

namespace kesto {
namespace {

bool isWeb(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

int portOf(const QUrl& url) {
    return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
}

bool sameOrigin(const QUrl& url, const char* base) {
    const QUrl store(QString::fromLatin1(base));
    return isWeb(store) && !store.host().isEmpty() && url.scheme() == store.scheme() &&
           url.host() == store.host() && portOf(url) == portOf(store);
}

} // namespace

bool StoreOrigins::contains(const QUrl& url) const {
    if (login_ == nullptr || !url.isValid() || !isWeb(url) || !url.userInfo().isEmpty())
        return false;
    return sameOrigin(url, login_->protocolBase) || sameOrigin(url, login_->webBase);
}

} // namespace kesto
