#pragma once
// "Load a play list" from the now-playing list's menu: the user picks one of the play lists of
// the album database and its files join the now-playing list (as files handed to the panel).

#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace kesto {

class HostSession;
class MainWindow;

class PlayListLoader {
public:
    // Album id and UTF-8 name of every play list, in the database's order.
    static std::vector<std::pair<std::string, QString>> playLists(HostSession& session);
    // Asks which play list (the dialog does not block) and loads the chosen one.
    static void choose(MainWindow& window, HostSession& session);
    // Shows the now-playing list and hands it the play list's files; the number handed.
    static int load(HostSession& session, const std::string& albumId);
};

} // namespace kesto
