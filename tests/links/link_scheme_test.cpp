// Link texts as pages write them: which scheme wins, and how its argument is cut; page titles
// that announce links for the link label, well formed and hostile.
#include "links/link_scheme.h"
#include "links/title_links.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

constexpr int kNoLink = -1;

TEST(LinkSchemeTest, EachSchemeCutsItsArgumentItsOwnWay) {
    const std::string withNul("songinfo://1\0"
                              "2/",
                              15);
    const struct {
        std::string text;
        int code; // for the page's links
        std::string argument;
        int labelCode; // for the link label
    } cases[] = {
        // The last character goes whatever it is.
        {"songinfo://777/", LinkScheme::kSong, "777", LinkScheme::kSong},
        {"artistinfo://A0001/", LinkScheme::kArtist, "A0001", LinkScheme::kArtist},
        {"themeinfo://t9;2/", LinkScheme::kTheme, "t9;2", LinkScheme::kTheme},
        {"buyinfo://1/", LinkScheme::kBuy, "1", LinkScheme::kBuy},
        {"giftinfo://88/", LinkScheme::kGift, "88", LinkScheme::kGift},
        {"albuminfo://12345", LinkScheme::kAlbum, "1234", LinkScheme::kAlbum},
        {"albuminfo://12345//", LinkScheme::kAlbum, "12345/", LinkScheme::kAlbum},
        {"songinfo://", LinkScheme::kSong, "", LinkScheme::kSong},
        {"songinfo:///", LinkScheme::kSong, "", LinkScheme::kSong},
        {withNul, LinkScheme::kSong,
         std::string("1\0"
                     "2",
                     3),
         LinkScheme::kSong},
        // These keep the whole rest, every byte as written.
        {"categoryinfo://a%20b;c/", LinkScheme::kCategory, "a%20b;c/", LinkScheme::kCategory},
        {"urlinfo:///chart.jsp?c=1", LinkScheme::kUrl, "/chart.jsp?c=1", LinkScheme::kUrl},
        {"urlinfo://", LinkScheme::kUrl, "", LinkScheme::kUrl},
        // Search drops every trailing slash, and only those; the label knows no search.
        {"searchinfo://word///", LinkScheme::kSearch, "word", kNoLink},
        {"searchinfo://a/b/", LinkScheme::kSearch, "a/b", kNoLink},
        {"searchinfo://word", LinkScheme::kSearch, "word", kNoLink},
        {"searchinfo:////", LinkScheme::kSearch, "", kNoLink},
        {"searchinfo://\xEC\x82\xAC\xEB\x9E\x91/", LinkScheme::kSearch, "\xEC\x82\xAC\xEB\x9E\x91", kNoLink},
        // Only exact lower-case prefixes match.
        {"ALBUMINFO://1/", kNoLink, "", kNoLink},
        {"Albuminfo://1/", kNoLink, "", kNoLink},
        {" albuminfo://1/", kNoLink, "", kNoLink},
        {"albuminfo:/1/", kNoLink, "", kNoLink},
        {"http://host/albuminfo://1/", kNoLink, "", kNoLink},
        {"", kNoLink, "", kNoLink},
        {"javascript:void(0)", kNoLink, "", kNoLink},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto expected = [&](int code) {
            return code == kNoLink ? std::nullopt : std::optional<LinkAction>(LinkAction{code, c.argument});
        };
        EXPECT_EQ(LinkScheme::match(c.text), expected(c.code));
        EXPECT_EQ(LinkScheme::matchLabel(c.text), expected(c.labelCode));
    }
}

std::optional<TitleLink> pair(std::string text, std::string link) {
    return TitleLink{std::move(text), std::move(link)};
}

TEST(TitleLinksTest, TheLastOfTheDeclaredPairsPresentGoesToTheLabel) {
    const std::string korean = "\xEC\x95\xA8\xEB\xB2\x94";
    const struct {
        std::string title;
        int declared;
        std::optional<TitleLink> last;
    } cases[] = {
        {"2|Songs|songinfo://1/|Album|albuminfo://12345/", 2, pair("Album", "albuminfo://12345/")},
        {"1|Top 100|urlinfo:///chart.jsp", 1, pair("Top 100", "urlinfo:///chart.jsp")},
        {"1|a|x|b|y", 1, pair("a", "x")}, // fields beyond the count are ignored
        {"1|a|x|", 1, pair("a", "x")},
        {"", 0, std::nullopt},
        {"0|a|x", 0, std::nullopt},
        {"Chart of the week", 0, std::nullopt},
        {"2", 2, std::nullopt},
        {"|a|x", 0, std::nullopt},
        // Hostile counts are bound by the fields present.
        {"99999999999999999999|a|x|b|y", 2147483647, pair("b", "y")},
        {"-3|a|x", -3, std::nullopt},
        {"2|a|x|b", 2, pair("b", "")}, // a missing link keeps the text
        {"3|a|x|b|y", 3, pair("b", "y")},
        // The count reads like a number prefix.
        {" 1|a|x", 1, pair("a", "x")},
        {"+1|a|x", 1, pair("a", "x")},
        {"1 pair|a|x", 1, pair("a", "x")},
        {"x1|a|x", 0, std::nullopt},
        {"1||", 1, pair("", "")},
        {"1|" + korean + "|albuminfo://7/", 1, pair(korean, "albuminfo://7/")},
    };
    for (const auto& c : cases) {
        const TitleLinks links = TitleLinks::parse(c.title);
        EXPECT_EQ(links.declaredCount(), c.declared) << c.title;
        EXPECT_EQ(links.last(), c.last) << c.title;
    }
    const TitleLinks two = TitleLinks::parse("2|Songs|songinfo://1/|Album|albuminfo://12345/");
    ASSERT_EQ(two.pairs().size(), 2u);
    EXPECT_EQ(two.pairs()[0], (TitleLink{"Songs", "songinfo://1/"}));
}

} // namespace
} // namespace kesto
