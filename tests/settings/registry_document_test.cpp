#include "settings/registry_document.h"
#include "settings/registry_text.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

const std::string kKesto = "Software\\Kesto";

TEST(RegistryDocument, UnchangedContentSerializesAsRead) {
    const std::string text = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "; kept\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Kesto]\r\n"
                             "\"A\" = \"spaced\"\r\n"
                             "\"Gone\"=-\r\n"
                             "[-HKEY_CURRENT_USER\\Software\\Old]\r\n"
                             "\"Q\"=qword:0000000000000001\r\n";
    const RegistryDocument doc = RegistryDocument::parse(text);
    EXPECT_FALSE(doc.damaged());
    EXPECT_EQ(doc.serialize(), text);
    ASSERT_NE(doc.value(kKesto, "a"), nullptr);
    EXPECT_EQ(doc.value(kKesto, "a")->data, "spaced");
    EXPECT_EQ(doc.value(kKesto, "Gone"), nullptr);
    EXPECT_EQ(doc.value(kKesto, "Q")->type, RegistryValue::Type::Other);
    EXPECT_EQ(doc.valueCount(), 2u);
}

TEST(RegistryDocument, ReadsOldAnsiExportsAndUtf8WithMark) {
    const RegistryDocument ansi =
        RegistryDocument::parse("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Kesto]\n\"N\"=\"\xB0\xA1\"\n");
    EXPECT_FALSE(ansi.damaged());
    EXPECT_EQ(ansi.value(kKesto, "N")->data, "\xB0\xA1");
    const RegistryDocument marked =
        RegistryDocument::parse("\xEF\xBB\xBFWindows Registry Editor Version "
                                "5.00\n[HKEY_CURRENT_USER\\Software\\Kesto]\n\"N\"=\"\xEA\xB0\x80\"\n");
    EXPECT_FALSE(marked.damaged());
    EXPECT_EQ(marked.value(kKesto, "N")->data, "\xB0\xA1");
}

TEST(RegistryDocument, DamageIsReportedAndTheRestRead) {
    for (const char* text :
         {"[HKEY_CURRENT_USER\\Software\\Kesto]\n\"N\"=\"v\"\n",
          "Windows Registry Editor Version 5.00\n\"N\"=\"v\"\n",
          "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Kesto]\n\"N\"=dword:xyz\n",
          "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\Kesto]\n\"N\"=\"v\" tail\n"})
        EXPECT_TRUE(RegistryDocument::parse(text).damaged()) << text;
    // UTF-16 with an odd byte count.
    EXPECT_TRUE(RegistryDocument::parse(std::string("\xFF\xFEW\0i", 5)).damaged());
    EXPECT_FALSE(RegistryDocument::parse("").damaged());
}

TEST(RegistryDocument, NewValuesGoInsideTheirSection) {
    RegistryDocument doc;
    EXPECT_EQ(doc.setValue(kKesto, {"A", RegistryValue::Type::String, "x", 0}),
              RegistryDocument::SetResult::NoKey);
    EXPECT_TRUE(doc.createKey(kKesto));
    EXPECT_FALSE(doc.createKey("SOFTWARE\\KESTO\\"));
    EXPECT_TRUE(doc.createKey(kKesto + "\\Main"));
    EXPECT_EQ(doc.setValue(kKesto, {"A", RegistryValue::Type::String, "x", 0}),
              RegistryDocument::SetResult::Changed);
    EXPECT_EQ(doc.setValue(kKesto, {"a", RegistryValue::Type::String, "x", 0}),
              RegistryDocument::SetResult::Unchanged);
    EXPECT_EQ(doc.setValue(kKesto + "\\Main", {"D", RegistryValue::Type::Dword, "", 255}),
              RegistryDocument::SetResult::Changed);
    EXPECT_EQ(doc.serialize(), "Windows Registry Editor Version 5.00\r\n\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Kesto]\r\n\"A\"=\"x\"\r\n\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Kesto\\Main]\r\n\"D\"=dword:000000ff\r\n\r\n");
    const RegistryDocument again = RegistryDocument::parse(doc.serialize());
    EXPECT_EQ(again.serialize(), doc.serialize());
}

TEST(RegistryText, QuotedStringsRoundTripEveryByte) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    const std::string quoted = RegistryText::quote(all);
    EXPECT_TRUE(RegistryText::isValidUtf8(quoted));
    std::size_t pos = 0;
    EXPECT_EQ(RegistryText::unquote(quoted, pos), all);
    EXPECT_EQ(pos, quoted.size());
    pos = 0;
    EXPECT_EQ(RegistryText::unquote("\"open", pos), std::nullopt);
}

} // namespace
} // namespace kesto
