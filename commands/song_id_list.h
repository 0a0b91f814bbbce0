#pragma once
// The song ids of the accepted songs in a request body: their count in decimal, then each
// Song_ID, every field followed by VT, in selection order.

#include "commands/selection.h"
#include "protocol/request_body.h"

#include <string>
#include <vector>

namespace kesto {

class SongIdList {
public:
    static void append(RequestBody& body, const Selection& songs);
    static std::vector<std::string> ids(const Selection& songs);
};

} // namespace kesto
