#pragma once
// The catalogue's tables in the service's SQLite file: written once at first start, read at
// every start.

#include "service/catalogue_types.h"

#include <optional>

namespace kesto::service {

class ServiceDatabase;

class CatalogueTables {
public:
    explicit CatalogueTables(ServiceDatabase& db) : db_(db) {}

    bool createSchema();
    // Writes the whole catalogue in one transaction.
    bool save(const Catalogue& catalogue);
    // Nothing when the file holds no catalogue yet.
    std::optional<Catalogue> load();

private:
    void loadPeople(Catalogue& out);
    void loadSongs(Catalogue& out);
    void loadLists(Catalogue& out);
    void saveSongs(const Catalogue& catalogue);
    void saveLists(const Catalogue& catalogue);

    ServiceDatabase& db_;
};

} // namespace kesto::service
