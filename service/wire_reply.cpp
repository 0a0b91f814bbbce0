#include "service/wire_reply.h"

#include <array>
#include <cctype>

namespace kesto::service {
namespace {

constexpr char kVt = '\x0B';
constexpr std::array<std::string_view, 4> kNullSpellings = {"NULL", "null", "Null", "nULL"};
// Every n-th text with a space or a non-ASCII byte goes out percent-encoded.
constexpr int kPercentEvery = 5;
constexpr int kNullNumberEvery = 4;

bool equalsNullIgnoringCase(std::string_view value) {
    if (value.size() != 4)
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        if (std::toupper(static_cast<unsigned char>(value[i])) != "NULL"[i])
            return false;
    return true;
}

std::string hexByte(char c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

bool worthEncoding(std::string_view value) {
    for (unsigned char c : value)
        if (c == ' ' || c >= 0x80)
            return true;
    return false;
}

bool keptByPercentEncoding(unsigned char c) {
    static constexpr std::string_view kEncoded = "\"<>%\\^[]`+$,@:;/!#?=&";
    return c >= 33 && c < 123 && kEncoded.find(static_cast<char>(c)) == std::string_view::npos;
}

} // namespace

std::string WireReply::percentEncode(std::string_view value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size() * 3);
    for (unsigned char c : value) {
        if (keptByPercentEncoding(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kDigits[c >> 4];
            out += kDigits[c & 0x0F];
        }
    }
    return out;
}

std::string WireReply::escapeReferences(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == kVt)
            out += "&#11;";
        else if (c == ';')
            out += "&#59;";
        else if (c == '&' && i + 1 < value.size() && value[i + 1] == '#')
            out += "&#38;";
        else
            out += c;
    }
    return out;
}

WireReply& WireReply::text(std::string_view value) {
    const int index = texts_++;
    if (value.empty()) {
        append(kNullSpellings[static_cast<std::size_t>(nulls_++) % kNullSpellings.size()]);
        return *this;
    }
    // A literal '%' or a value that reads as "NULL" would not survive the reader's decoding.
    if (equalsNullIgnoringCase(value)) {
        // Letters are never percent-encoded, so the first one is escaped by hand.
        append("%" + hexByte(value[0]) + std::string(value.substr(1)));
        return *this;
    }
    const bool mustEncode = value.find('%') != std::string_view::npos;
    const bool chosen = worthEncoding(value) && index % kPercentEvery == kPercentEvery - 1;
    append(mustEncode || chosen ? percentEncode(value) : escapeReferences(value));
    return *this;
}

WireReply& WireReply::number(std::int64_t value) {
    const int index = numbers_++;
    if (value == 0 && index % kNullNumberEvery == kNullNumberEvery - 1) {
        append(kNullSpellings[static_cast<std::size_t>(index / kNullNumberEvery) % kNullSpellings.size()]);
        return *this;
    }
    return plainNumber(value);
}

WireReply& WireReply::plainNumber(std::int64_t value) {
    append(std::to_string(value));
    return *this;
}

WireReply& WireReply::raw(std::string_view value) {
    append(value);
    return *this;
}

void WireReply::append(std::string_view field) {
    if (!first_)
        out_ += kVt;
    first_ = false;
    out_.append(field);
}

std::string WireReply::error(ServiceCode code) {
    WireReply reply;
    reply.plainNumber(ServiceCodes::number(code)).text(ServiceCodes::message(code));
    return reply.str();
}

} // namespace kesto::service
