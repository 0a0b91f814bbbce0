#include "library/from_clause_aliases.h"

#include "library/sql_tokenizer.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kesto {

namespace {

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool isWord(const SqlToken& t, std::string_view word) {
    return t.kind == SqlToken::Kind::Word && sameWord(t.text, word);
}

bool isPunct(const SqlToken& t, char c) {
    return t.kind == SqlToken::Kind::Punct && t.text[0] == c;
}

// Words that end the from clause.
bool endsFromClause(const SqlToken& t) {
    static constexpr std::array<std::string_view, 10> kEnd = {
        "where", "group", "order", "limit", "having", "union", "intersect", "except", "window", "returning"};
    return std::any_of(kEnd.begin(), kEnd.end(), [&](std::string_view w) { return isWord(t, w); });
}

// Words that join two tables (and so end an alias).
bool isJoinWord(const SqlToken& t) {
    static constexpr std::array<std::string_view, 8> kJoin = {"join",  "inner", "left",    "right",
                                                              "outer", "cross", "natural", "full"};
    return std::any_of(kJoin.begin(), kJoin.end(), [&](std::string_view w) { return isWord(t, w); });
}

// Index of the top-level "from" word, or tokens.size().
std::size_t findFrom(const std::vector<SqlToken>& tokens) {
    int depth = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (isPunct(tokens[i], '('))
            ++depth;
        else if (isPunct(tokens[i], ')'))
            --depth;
        else if (depth == 0 && isWord(tokens[i], "from"))
            return i;
    }
    return tokens.size();
}

// Skips a parenthesised group starting at i; returns the index after its ')'.
std::size_t skipGroup(const std::vector<SqlToken>& tokens, std::size_t i) {
    int depth = 0;
    for (; i < tokens.size(); ++i) {
        if (isPunct(tokens[i], '('))
            ++depth;
        else if (isPunct(tokens[i], ')') && --depth == 0)
            return i + 1;
    }
    return i;
}

} // namespace

FromClauseAliases::FromClauseAliases(std::string_view sql) {
    const auto tokens = SqlTokenizer::firstStatement(sql);
    std::size_t i = findFrom(tokens) + 1;
    bool expectTable = true;
    while (i < tokens.size()) {
        const SqlToken& t = tokens[i];
        if (isPunct(t, '(')) {
            i = skipGroup(tokens, i);
        } else if (isPunct(t, ')') || endsFromClause(t)) {
            break;
        } else if (isPunct(t, ',') || isJoinWord(t)) {
            expectTable = true;
            ++i;
        } else if (isWord(t, "on") || isWord(t, "using")) {
            // Skip the join condition up to the next table separator.
            ++i;
            while (i < tokens.size() && !isPunct(tokens[i], ',') && !isJoinWord(tokens[i]) &&
                   !endsFromClause(tokens[i]) && !isPunct(tokens[i], ')')) {
                i = isPunct(tokens[i], '(') ? skipGroup(tokens, i) : i + 1;
            }
        } else if (expectTable && t.kind == SqlToken::Kind::Word) {
            std::string name = t.text;
            ++i;
            // schema.table
            if (i + 1 < tokens.size() && isPunct(tokens[i], '.') &&
                tokens[i + 1].kind == SqlToken::Kind::Word) {
                name = tokens[i + 1].text;
                i += 2;
            }
            if (i < tokens.size() && isWord(tokens[i], "as"))
                ++i;
            std::string qualifier = name;
            if (i < tokens.size() && tokens[i].kind == SqlToken::Kind::Word && !isJoinWord(tokens[i]) &&
                !endsFromClause(tokens[i]) && !isWord(tokens[i], "on") && !isWord(tokens[i], "using")) {
                qualifier = tokens[i].text;
                ++i;
            }
            tables_.push_back({std::move(name), std::move(qualifier)});
            expectTable = false;
        } else {
            ++i;
        }
    }
}

std::string FromClauseAliases::qualifierOf(std::string_view tableName) const {
    for (const auto& table : tables_)
        if (sameWord(table.name, tableName))
            return table.qualifier;
    return {};
}

} // namespace kesto
