#include "entry/login_reply_loader.h"

#include "platform/cp949.h"
#include "protocol/field_decoder.h"
#include "songs/song_record.h"

namespace kesto {

std::vector<std::string_view> LoginReplyLoader::split(std::string_view reply) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = reply.find(kSeparator, start);
        if (end == std::string_view::npos) {
            fields.push_back(reply.substr(start));
            return fields;
        }
        fields.push_back(reply.substr(start, end - start));
        start = end + 1;
    }
}

std::string LoginReplyLoader::reversed(std::string_view text) {
    std::string out(text.size(), '\0');
    std::size_t write = text.size();
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = Cp949::isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        const std::size_t width = pair ? 2 : 1;
        write -= width;
        out.replace(write, width, text.substr(i, width));
        i += width;
    }
    return out;
}

namespace {
// Numbers read as atoi does: 0 for text that is no number.
std::int32_t toInt(std::string_view text) {
    return FieldDecoder::toInt(text);
}
} // namespace

bool LoginReplyLoader::load(LoginBlock& block, std::string_view reply) {
    if (reply.empty())
        return false;
    const std::vector<std::string_view> f = split(reply);
    if (f.size() < kMinimumFields)
        return false;
    block.loginState = toInt(f[0]);
    copyField(block.uKey, f[1]);
    copyField(block.password, f[2]);
    block.field3 = toInt(f[3]);
    copyField(block.field4, f[4]);
    std::string joined(f[11]);
    joined += f[5];
    copyField(block.joinedKey, reversed(joined));
    copyField(block.field6, f[6]);
    copyField(block.field7, f[7]);
    block.field8 = toInt(f[8]);
    block.field9 = toInt(f[9]);
    copyField(block.memberClass, f[10]);
    copyField(block.field12, f[12]);
    block.field13 = toInt(f[13]);
    block.field14 = toInt(f[14]);
    block.field15 = toInt(f[15]);
    copyField(block.field16, f[16]);
    copyField(block.field17, f[17]);
    copyField(block.field18, f[18]);
    copyField(block.field19, f[19]);
    block.field20 = toInt(f[20]);
    block.field21 = toInt(f[21]);
    block.field22 = toInt(f[22]);
    copyField(block.phoneNumber, reversed(f[23]));
    copyField(block.protocolBase, f[24]);
    copyField(block.webBase, f[25]);
    block.field26 = toInt(f[26]);
    block.field27Flag = toInt(f[27]) == 1;
    block.field28 = toInt(f[28]);
    block.field29 = toInt(f[29]);
    block.field33 = toInt(f[33]);
    return true;
}

} // namespace kesto
