#pragma once
// Web pages that act for the logged-in user: the log-in bridge, gift message, phone decoration,
// music video and its download, purchase authentication, cash charge and the help pages.

#include "service/page_params.h"

#include <string>

namespace kesto::service {

class ServiceContext;

class AccountPages {
public:
    explicit AccountPages(ServiceContext& context) : context_(context) {}

    // appParam 1: the song of webParam ("<VT>p_songid=..<VT>p_menuid=.."); 8: the user's page;
    // 9 and 10: the device help pages.
    std::string loginAppToWeb(const PageRequest& request) const;
    std::string message(const PageRequest& request) const;
    std::string phoneDeco(const PageRequest& request) const;
    std::string musicVideo(const PageRequest& request) const;
    std::string mvDownload(const PageRequest& request) const;
    std::string authBuy(const PageRequest& request) const;
    std::string cashCharge(const PageRequest& request) const;
    std::string albumScrap(const PageRequest& request) const;
    // The static help pages, by path.
    std::string help(const std::string& path) const;

private:
    // True when userid and u_key name a live log-in.
    bool loggedIn(const PageParams& params) const;
    std::string loginNeeded() const;
    std::string userPage(const std::string& user) const;

    ServiceContext& context_;
};

} // namespace kesto::service
