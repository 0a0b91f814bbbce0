#pragma once
// Web pages over the catalogue: start page, charts, album, artist, artist index, search and
// lyrics.

#include "service/page_params.h"

#include <string>

namespace kesto::service {

class HtmlPage;
class ServiceContext;
struct Song;

class CataloguePages {
public:
    explicit CataloguePages(ServiceContext& context) : context_(context) {}

    std::string start(const PageRequest& request) const;
    std::string chart(const PageRequest& request) const;
    std::string album(const PageRequest& request) const;
    std::string artist(const PageRequest& request) const;
    std::string artistIndex(const PageRequest& request) const;
    std::string search(const PageRequest& request) const;
    std::string lyrics(const PageRequest& request) const;
    // The song information page the host opens with the form of its song (no song: a notice).
    std::string songInfo(const PageRequest& request) const;

private:
    void songLine(HtmlPage& page, const Song& song) const;
    std::string notFound() const;

    ServiceContext& context_;
};

} // namespace kesto::service
