#include "webview/store_origins.h"

#include "songs/store_address.h"

namespace kesto {

bool StoreOrigins::contains(const QUrl& url) const {
    return login_ != nullptr && url.isValid() &&
           StoreAddress::isStorePage(*login_, url.toEncoded(QUrl::FullyEncoded).toStdString());
}

} // namespace kesto
