#pragma once
// Names of a statement's result columns as the album code reads them: a plain column of a
// select over more than one table is "alias.column" (alias from the from clause, else the
// table); an expression keeps its text, and "as" names stay as given.

#include <string>
#include <vector>

struct sqlite3_stmt;

namespace kesto {

class ResultColumnNames {
public:
    static std::vector<std::string> of(sqlite3_stmt* vm, const char* sql);
};

} // namespace kesto
