// Link texts as pages write them: which scheme wins, and how its argument is cut.
#include "links/link_scheme.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

std::optional<LinkAction> act(int code, std::string argument) {
    return LinkAction{code, std::move(argument)};
}

TEST(LinkSchemeTest, SchemesThatDropTheSlashAfterTheArgument) {
    EXPECT_EQ(LinkScheme::match("songinfo://777/"), act(LinkScheme::kSong, "777"));
    EXPECT_EQ(LinkScheme::match("albuminfo://12345/"), act(LinkScheme::kAlbum, "12345"));
    EXPECT_EQ(LinkScheme::match("artistinfo://A0001/"), act(LinkScheme::kArtist, "A0001"));
    EXPECT_EQ(LinkScheme::match("themeinfo://t9;2/"), act(LinkScheme::kTheme, "t9;2"));
    EXPECT_EQ(LinkScheme::match("buyinfo://1/"), act(LinkScheme::kBuy, "1"));
    EXPECT_EQ(LinkScheme::match("giftinfo://88/"), act(LinkScheme::kGift, "88"));
    // The last character goes whatever it is.
    EXPECT_EQ(LinkScheme::match("albuminfo://12345"), act(LinkScheme::kAlbum, "1234"));
    EXPECT_EQ(LinkScheme::match("albuminfo://12345//"), act(LinkScheme::kAlbum, "12345/"));
}

TEST(LinkSchemeTest, SchemesThatKeepTheWholeRest) {
    EXPECT_EQ(LinkScheme::match("categoryinfo://abc/"), act(LinkScheme::kCategory, "abc/"));
    EXPECT_EQ(LinkScheme::match("urlinfo:///chart.jsp?c=1"), act(LinkScheme::kUrl, "/chart.jsp?c=1"));
}

TEST(LinkSchemeTest, SearchDropsEveryTrailingSlashOnly) {
    EXPECT_EQ(LinkScheme::match("searchinfo://word///"), act(LinkScheme::kSearch, "word"));
    EXPECT_EQ(LinkScheme::match("searchinfo://a/b/"), act(LinkScheme::kSearch, "a/b"));
    EXPECT_EQ(LinkScheme::match("searchinfo://word"), act(LinkScheme::kSearch, "word"));
    EXPECT_EQ(LinkScheme::match("searchinfo:////"), act(LinkScheme::kSearch, ""));
}

TEST(LinkSchemeTest, EmptyArgumentsStayEmpty) {
    EXPECT_EQ(LinkScheme::match("songinfo://"), act(LinkScheme::kSong, ""));
    EXPECT_EQ(LinkScheme::match("songinfo:///"), act(LinkScheme::kSong, ""));
    EXPECT_EQ(LinkScheme::match("urlinfo://"), act(LinkScheme::kUrl, ""));
}

TEST(LinkSchemeTest, OnlyExactLowerCasePrefixesMatch) {
    EXPECT_FALSE(LinkScheme::match("ALBUMINFO://1/"));
    EXPECT_FALSE(LinkScheme::match("Albuminfo://1/"));
    EXPECT_FALSE(LinkScheme::match(" albuminfo://1/"));
    EXPECT_FALSE(LinkScheme::match("albuminfo:/1/"));
    EXPECT_FALSE(LinkScheme::match("http://host/albuminfo://1/"));
    EXPECT_FALSE(LinkScheme::match(""));
    EXPECT_FALSE(LinkScheme::match("javascript:void(0)"));
}

TEST(LinkSchemeTest, ArgumentKeepsEveryByteAsWritten) {
    const std::string korean = "searchinfo://\xEC\x82\xAC\xEB\x9E\x91/";
    EXPECT_EQ(LinkScheme::match(korean), act(LinkScheme::kSearch, "\xEC\x82\xAC\xEB\x9E\x91"));
    EXPECT_EQ(LinkScheme::match("categoryinfo://a%20b;c/"), act(LinkScheme::kCategory, "a%20b;c/"));
    const std::string withNul("songinfo://1\0"
                              "2/",
                              15);
    EXPECT_EQ(LinkScheme::match(withNul), act(LinkScheme::kSong, std::string("1\0"
                                                                             "2",
                                                                             3)));
}

TEST(LinkSchemeTest, LinkLabelKnowsEverySchemeButSearch) {
    EXPECT_EQ(LinkScheme::matchLabel("albuminfo://12345/"), act(LinkScheme::kAlbum, "12345"));
    EXPECT_EQ(LinkScheme::matchLabel("giftinfo://88/"), act(LinkScheme::kGift, "88"));
    EXPECT_EQ(LinkScheme::matchLabel("urlinfo://x/"), act(LinkScheme::kUrl, "x/"));
    EXPECT_FALSE(LinkScheme::matchLabel("searchinfo://word///"));
    EXPECT_FALSE(LinkScheme::matchLabel("http://127.0.0.1/page.jsp"));
}

} // namespace
} // namespace kesto
