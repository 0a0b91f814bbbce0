#include "library/result_column_names.h"

#include "library/from_clause_aliases.h"

#include <sqlite3.h>

namespace kesto {

std::vector<std::string> ResultColumnNames::of(sqlite3_stmt* vm, const char* sql) {
    const int count = sqlite3_column_count(vm);
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    bool parsed = false;
    FromClauseAliases aliases("");
    for (int i = 0; i < count; ++i) {
        const char* name = sqlite3_column_name(vm, i);
        std::string column = name ? name : "";
        const char* table = sqlite3_column_table_name(vm, i);
        const char* origin = sqlite3_column_origin_name(vm, i);
        // A plain column reference is named after its origin; anything else keeps its name.
        if (table && origin && column == origin) {
            if (!parsed) {
                aliases = FromClauseAliases(sql);
                parsed = true;
            }
            if (aliases.tableCount() > 1) {
                std::string qualifier = aliases.qualifierOf(table);
                if (qualifier.empty())
                    qualifier = table;
                column = qualifier + "." + column;
            }
        }
        names.push_back(std::move(column));
    }
    return names;
}

} // namespace kesto
