#pragma once
// Local files handed to the panel (entry 4, dropped files) go where the shown page keeps its
// songs: the now-playing list, a local album of the database, a copy in the folder page's
// folder, or the shown list. The on-line my album takes none.

#include "library/import_outcome.h"

#include <string>
#include <vector>

namespace kesto {

class PanelModel;

class PageImport {
public:
    struct Result {
        ImportOutcome outcome;
        // The page lists its songs from the database: it is shown again to list the new ones.
        bool showAgain = false;
    };

    static Result into(PanelModel& model, const std::vector<std::string>& paths);
};

} // namespace kesto
