// Page titles that announce links for the link label, well formed and hostile.
#include "links/title_links.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

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
