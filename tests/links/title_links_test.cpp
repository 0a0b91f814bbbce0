// Page titles that announce links for the link label, well formed and hostile.
#include "links/title_links.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

std::optional<TitleLink> pair(std::string text, std::string link) {
    return TitleLink{std::move(text), std::move(link)};
}

TEST(TitleLinksTest, LastOfTheDeclaredPairsGoesToTheLabel) {
    const TitleLinks links = TitleLinks::parse("2|Songs|songinfo://1/|Album|albuminfo://12345/");
    EXPECT_EQ(links.declaredCount(), 2);
    ASSERT_EQ(links.pairs().size(), 2u);
    EXPECT_EQ(links.pairs()[0], (TitleLink{"Songs", "songinfo://1/"}));
    EXPECT_EQ(links.last(), pair("Album", "albuminfo://12345/"));

    EXPECT_EQ(TitleLinks::parse("1|Top 100|urlinfo:///chart.jsp").last(),
              pair("Top 100", "urlinfo:///chart.jsp"));
}

TEST(TitleLinksTest, FieldsBeyondTheCountAreIgnored) {
    EXPECT_EQ(TitleLinks::parse("1|a|x|b|y").last(), pair("a", "x"));
    EXPECT_EQ(TitleLinks::parse("1|a|x|").last(), pair("a", "x"));
}

TEST(TitleLinksTest, TitlesWithoutPairsLeaveTheLabelEmpty) {
    EXPECT_FALSE(TitleLinks::parse("").last());
    EXPECT_FALSE(TitleLinks::parse("0|a|x").last());
    EXPECT_FALSE(TitleLinks::parse("Chart of the week").last());
    EXPECT_FALSE(TitleLinks::parse("about:blank").last());
    EXPECT_FALSE(TitleLinks::parse("2").last());
    EXPECT_FALSE(TitleLinks::parse("|a|x").last());
}

TEST(TitleLinksTest, HostileCountsAreBoundByTheFieldsPresent) {
    const TitleLinks huge = TitleLinks::parse("99999999999999999999|a|x|b|y");
    EXPECT_EQ(huge.declaredCount(), 2147483647);
    EXPECT_EQ(huge.pairs().size(), 2u);
    EXPECT_EQ(huge.last(), pair("b", "y"));

    const TitleLinks negative = TitleLinks::parse("-3|a|x");
    EXPECT_EQ(negative.declaredCount(), -3);
    EXPECT_FALSE(negative.last());
}

TEST(TitleLinksTest, MissingLinkFieldKeepsTheTextWithAnEmptyLink) {
    EXPECT_EQ(TitleLinks::parse("2|a|x|b").last(), pair("b", ""));
    EXPECT_EQ(TitleLinks::parse("3|a|x|b|y").last(), pair("b", "y"));
}

TEST(TitleLinksTest, CountIsReadLikeANumberPrefix) {
    EXPECT_EQ(TitleLinks::parse(" 1|a|x").last(), pair("a", "x"));
    EXPECT_EQ(TitleLinks::parse("+1|a|x").last(), pair("a", "x"));
    EXPECT_EQ(TitleLinks::parse("1 pair|a|x").last(), pair("a", "x"));
    EXPECT_EQ(TitleLinks::parse("x1|a|x").declaredCount(), 0);
}

TEST(TitleLinksTest, EmptyAndKoreanFieldsArePassedThrough) {
    EXPECT_EQ(TitleLinks::parse("1||").last(), pair("", ""));
    const std::string title = "1|\xEC\x95\xA8\xEB\xB2\x94|albuminfo://7/";
    EXPECT_EQ(TitleLinks::parse(title).last(), pair("\xEC\x95\xA8\xEB\xB2\x94", "albuminfo://7/"));
}

} // namespace
} // namespace kesto
