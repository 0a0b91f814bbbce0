#pragma once
// A protocol request body: fields each followed by VT, the user id and the u_key first.

#include "service/service_codes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto::service {

class WireRequest {
public:
    // Splits the body; the empty piece after the closing VT is not a field.
    explicit WireRequest(std::string_view body);

    // Rejects bodies the service cannot take: not CP949, or fewer than `minimum` fields.
    std::optional<ServiceCode> check(std::size_t minimum) const;

    std::size_t size() const { return fields_.size(); }
    // A missing field reads as empty.
    const std::string& field(std::size_t index) const;
    // Decimal value of a field; `fallback` for empty or non-numeric text.
    std::int64_t integer(std::size_t index, std::int64_t fallback = 0) const;
    const std::string& userId() const { return field(0); }
    const std::string& uKey() const { return field(1); }

    static bool isCp949(std::string_view text);
    // Each '%' with two hex digits becomes the byte they spell; anything else is kept.
    static std::string percentDecode(std::string_view text);

private:
    std::vector<std::string> fields_;
    bool validText_ = true;
};

} // namespace kesto::service
