#pragma once
// The tables of a select's top-level from clause with the names that qualify their columns:
// the alias when the statement gives one, else the table name. Result columns of a join are
// named "alias.column" from this, as the album code expects.

#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class FromClauseAliases {
public:
    // Reads the first statement of sql; tolerant of anything it does not understand.
    explicit FromClauseAliases(std::string_view sql);

    std::size_t tableCount() const { return tables_.size(); }
    // The qualifier of a table named tableName (case-insensitive), or empty when not listed.
    std::string qualifierOf(std::string_view tableName) const;

private:
    struct Table {
        std::string name;
        std::string qualifier;
    };
    std::vector<Table> tables_;
};

} // namespace kesto
