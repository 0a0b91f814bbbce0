#pragma once
// A protocol body: fields each followed by VT, the last one included.

#include "songs/login_block.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kesto {

class RequestBody {
public:
    RequestBody() = default;
    // Starts with the user id and the u_key of the login block.
    explicit RequestBody(const LoginBlock& login);

    RequestBody& add(std::string_view field);
    RequestBody& add(std::int64_t number);
    // Keeps the overload set unambiguous for literals and ints.
    RequestBody& add(const char* field) { return add(std::string_view(field)); }
    RequestBody& add(int number) { return add(std::int64_t{number}); }

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

} // namespace kesto
