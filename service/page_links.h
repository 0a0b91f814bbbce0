#pragma once
// The private-scheme links the service's pages use to make the panel show lists.

#include <string>

namespace kesto::service {

class PageLinks {
public:
    static std::string song(const std::string& songId) { return "songinfo://1;1;" + songId + "/"; }
    static std::string album(const std::string& albumId) { return "albuminfo://" + albumId + ";2;0/"; }
    static std::string artist(const std::string& artistId) { return "artistinfo://" + artistId + ";2;0/"; }
    static std::string category(const std::string& code) { return "categoryinfo://" + code + ";2;0;W"; }
    static std::string theme(const std::string& themeId) { return "themeinfo://" + themeId + ";2;0;W/"; }
    static std::string buy(const std::string& songId) { return "buyinfo://" + songId + "/"; }
    static std::string gift(const std::string& songId) { return "giftinfo://" + songId + "/"; }
    // A protocol command of the service by its path; "1" asks for a list.
    static std::string command(const std::string& word) { return "urlinfo:///protocol.jsp?" + word + ";1"; }
    // The keyword percent-encoded, so the link text stays plain ASCII.
    static std::string search(int type, const std::string& keyword);
};

} // namespace kesto::service
