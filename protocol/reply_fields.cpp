#include "protocol/reply_fields.h"

#include "protocol/field_decoder.h"

#include <algorithm>
#include <cstring>

namespace kesto {

std::vector<std::string_view> ReplyFields::split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    if (text.empty()) {
        parts.emplace_back("");
        return parts;
    }
    // Counting first spares the vector its regrowth on long replies.
    parts.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), separator)) + 1);
    const char* begin = text.data();
    const char* const end = text.data() + text.size();
    while (true) {
        const auto* hit =
            static_cast<const char*>(std::memchr(begin, separator, static_cast<std::size_t>(end - begin)));
        if (hit == nullptr) {
            parts.emplace_back(begin, static_cast<std::size_t>(end - begin));
            return parts;
        }
        parts.emplace_back(begin, static_cast<std::size_t>(hit - begin));
        begin = hit + 1;
    }
}

ReplyFields::ReplyFields(std::string_view reply, char separator)
    : reply_(std::make_unique<std::string>(reply)), separator_(separator) {}

std::size_t ReplyFields::size() const {
    if (size_ == 0)
        size_ = static_cast<std::size_t>(std::count(reply_->begin(), reply_->end(), separator_)) + 1;
    return size_;
}

void ReplyFields::reach(std::size_t index) const {
    const std::string_view text(*reply_);
    std::string scratch;
    while (fields_.size() <= index && next_ != std::string_view::npos) {
        const std::size_t hit = text.find(separator_, next_);
        std::string_view field = text.substr(next_, hit == std::string_view::npos ? hit : hit - next_);
        next_ = hit == std::string_view::npos ? hit : hit + 1;
        if (field.find("&#") != std::string_view::npos)
            field = decoded_.emplace_back(FieldDecoder::characterReferences(field, scratch));
        fields_.push_back(field);
    }
}

std::string_view ReplyFields::raw(std::size_t index) const {
    reach(index);
    return index < fields_.size() ? fields_[index] : std::string_view("");
}

std::string_view ReplyFields::text(std::size_t index, std::string& scratch) const {
    return FieldDecoder::value(raw(index), scratch);
}

std::string ReplyFields::text(std::size_t index) const {
    std::string scratch;
    return std::string(text(index, scratch));
}

std::int32_t ReplyFields::number(std::size_t index) const {
    return FieldDecoder::toInt(raw(index));
}

} // namespace kesto
