#include "protocol/request_body.h"

#include "protocol/protocol_words.h"

namespace kesto {

RequestBody::RequestBody(const LoginBlock& login) {
    add(login.userId);
    add(std::string_view(login.uKey));
}

RequestBody& RequestBody::add(std::string_view field) {
    text_.append(field);
    text_ += proto::kVt;
    return *this;
}

RequestBody& RequestBody::add(std::int64_t number) {
    return add(std::to_string(number));
}

} // namespace kesto
