#include "library/sql_tokenizer.h"

namespace kesto {

namespace {

bool isWordChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' ||
           u == '$' || u >= 0x80;
}

// Index just past a quoted run that starts at i with quote open and ends with close; a doubled
// closing quote stands for itself.
std::size_t skipQuoted(std::string_view sql, std::size_t i, char close, std::string& out) {
    ++i;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (i + 1 < sql.size() && sql[i + 1] == close && close != ']') {
                out += close;
                i += 2;
                continue;
            }
            return i + 1;
        }
        out += sql[i++];
    }
    return i;
}

std::size_t skipComment(std::string_view sql, std::size_t i) {
    if (sql.substr(i, 2) == "--") {
        const auto end = sql.find('\n', i);
        return end == std::string_view::npos ? sql.size() : end + 1;
    }
    const auto end = sql.find("*/", i + 2);
    return end == std::string_view::npos ? sql.size() : end + 2;
}

} // namespace

std::vector<SqlToken> SqlTokenizer::firstStatement(std::string_view sql) {
    std::vector<SqlToken> tokens;
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
            ++i;
        } else if (sql.substr(i, 2) == "--" || sql.substr(i, 2) == "/*") {
            i = skipComment(sql, i);
        } else if (c == ';') {
            break;
        } else if (c == '\'') {
            std::string text;
            i = skipQuoted(sql, i, '\'', text);
            tokens.push_back({SqlToken::Kind::Literal, std::move(text)});
        } else if (c == '"' || c == '`' || c == '[') {
            std::string text;
            i = skipQuoted(sql, i, c == '[' ? ']' : c, text);
            tokens.push_back({SqlToken::Kind::Word, std::move(text)});
        } else if (isWordChar(c)) {
            const std::size_t start = i;
            while (i < sql.size() && isWordChar(sql[i]))
                ++i;
            tokens.push_back({SqlToken::Kind::Word, std::string(sql.substr(start, i - start))});
        } else {
            tokens.push_back({SqlToken::Kind::Punct, std::string(1, c)});
            ++i;
        }
    }
    return tokens;
}

} // namespace kesto
