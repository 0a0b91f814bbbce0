#include "service/service_database.h"

#include "sql/sql_file.h"

#include <SQLiteCpp/Exception.h>

namespace kesto::service {

ServiceDatabase::ServiceDatabase(const std::string& path) : file_(openOrStandIn(path, open_)) {}

SQLite::Database ServiceDatabase::openOrStandIn(const std::string& path, bool& opened) {
    try {
        SQLite::Database db = SqlFile::open(path, kBusyTimeoutMs);
        opened = true;
        return db;
    } catch (const SQLite::Exception&) {
        opened = false;
        return SQLite::Database(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    }
}

bool ServiceDatabase::exec(const char* sql) {
    return file_.tryExec(sql) == 0;
}

} // namespace kesto::service
