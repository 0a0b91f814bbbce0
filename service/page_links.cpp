#include "service/page_links.h"

#include "service/wire_reply.h"

namespace kesto::service {

std::string PageLinks::search(int type, const std::string& keyword) {
    return "searchinfo://" + std::to_string(type) + ";" + WireReply::percentEncode(keyword) + "/";
}

} // namespace kesto::service
