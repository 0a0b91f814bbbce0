#pragma once
// Writes a reply of VT-separated fields the way the store sends them: empty texts as "NULL" in
// varying letter case, VT and ';' as decimal character references, and some values
// percent-encoded. The choices depend only on the order of the values, so a reply is always the
// same bytes.

#include "service/service_codes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kesto::service {

class WireReply {
public:
    WireReply& code(int value) { return number(value); }
    // A text value, encoded.
    WireReply& text(std::string_view value);
    // A number value; a zero is sometimes sent as "NULL", which reads back as 0.
    WireReply& number(std::int64_t value);
    // A number the reader needs as digits (header integers).
    WireReply& plainNumber(std::int64_t value);
    // A value that the reader takes as it comes (no "NULL" rule, no percent-decoding).
    WireReply& raw(std::string_view value);

    const std::string& str() const { return out_; }

    static std::string error(ServiceCode code);
    // Percent-encodes every byte outside the plain ASCII letters, digits and a few marks.
    static std::string percentEncode(std::string_view value);
    // VT, ';' and a '&' that starts "&#" become decimal character references.
    static std::string escapeReferences(std::string_view value);

private:
    void append(std::string_view field);

    std::string out_;
    int texts_ = 0;
    int nulls_ = 0;
    int numbers_ = 0;
    bool first_ = true;
};

} // namespace kesto::service
