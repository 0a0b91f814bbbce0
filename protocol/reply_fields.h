#pragma once
// A reply cut into its fields at every separator (one more field than separators, so a
// trailing separator yields an empty last field), each with its character references
// replaced. A field beyond the end reads as empty text or 0.
//
// Fields are cut and decoded only as far as they are asked for: a reply costs its copy and the
// fields read, never a record for every separator it holds. Not for use from two threads.

#include "protocol/protocol_words.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class ReplyFields {
public:
    explicit ReplyFields(std::string_view reply, char separator = proto::kVt);
    ReplyFields(ReplyFields&&) = default;
    ReplyFields& operator=(ReplyFields&&) = default;
    ReplyFields(const ReplyFields&) = delete;
    ReplyFields& operator=(const ReplyFields&) = delete;

    // The plain cut, without any decoding; views into text.
    static std::vector<std::string_view> split(std::string_view text, char separator);

    // Counted once, without cutting.
    std::size_t size() const;
    // The field after character references.
    std::string_view raw(std::size_t index) const;
    // The value copy of a text field ("NULL" empty, percent-decoded), a view of raw(index) or
    // of scratch.
    std::string_view text(std::size_t index, std::string& scratch) const;
    std::string text(std::size_t index) const;
    std::int32_t number(std::size_t index) const;
    // Field 0 as a decimal integer; negative means an error whose message is field 1.
    std::int32_t code() const { return number(0); }

private:
    // Cuts and decodes the fields up to index, as far as the reply goes.
    void reach(std::size_t index) const;

    std::unique_ptr<std::string> reply_; // on the heap so the views survive a move
    char separator_;
    mutable std::vector<std::string_view> fields_;
    mutable std::size_t next_ = 0; // where the next field starts; npos once every field is cut
    mutable std::size_t size_ = 0; // 0 until counted
    mutable std::deque<std::string> decoded_;
};

} // namespace kesto
