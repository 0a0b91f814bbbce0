#pragma once
// Splits SQL text into words and punctuation, skipping blanks, comments and string literals'
// insides; enough to find the from clause of a select.

#include <string>
#include <string_view>
#include <vector>

namespace kesto {

struct SqlToken {
    enum class Kind { Word, Literal, Punct };
    Kind kind;
    std::string text; // words unquoted; punctuation one character
};

class SqlTokenizer {
public:
    // Tokens of the first statement (up to a top-level ';').
    static std::vector<SqlToken> firstStatement(std::string_view sql);
};

} // namespace kesto
