#pragma once
// The user's on-line my albums and their songs.

#include "service/user_rows.h"

#include <string>
#include <vector>

namespace kesto::service {

class ServiceDatabase;

class MyAlbumStore {
public:
    explicit MyAlbumStore(ServiceDatabase& db) : db_(db) {}
    bool createSchema();

    std::vector<MyAlbum> albums(const std::string& user);
    std::int64_t create(const std::string& user, const std::string& name);
    bool erase(const std::string& user, std::int64_t albumId);
    // albumId 0: the songs of every album of the user.
    std::vector<MyAlbumSong> songs(const std::string& user, std::int64_t albumId);
    // Songs already in the album are not added twice; the number added.
    int add(const std::string& user, std::int64_t albumId, const std::vector<std::string>& songIds,
            const std::string& sourceId, const std::string& now);
    int remove(const std::string& user, std::int64_t albumId, const std::vector<std::string>& songIds);

private:
    bool owns(const std::string& user, std::int64_t albumId);

    ServiceDatabase& db_;
};

} // namespace kesto::service
