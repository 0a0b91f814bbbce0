// Requests the service cannot take get a negative code with a CP949 message, never a crash or a
// hang.
#include "service_client.h"

#include "platform/cp949.h"
#include "service/service_context.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

namespace kesto::service::test {
namespace {

class BadInputTest : public ::testing::Test {
protected:
    BadInputTest() : client(dir.path()) { client.login("probe"); }

    void expectError(const std::string& reply, int expected) {
        const auto fields = splitRaw(reply);
        ASSERT_GE(fields.size(), 2u) << reply;
        EXPECT_EQ(decodeNumber(fields[0]), expected);
        const std::string message = decodeField(fields[1]);
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(Cp949::toUtf8(message).find("\xEF\xBF\xBD"), std::string::npos); // valid CP949
    }

    TempDir dir;
    ServiceClient client;
};

TEST_F(BadInputTest, EachRefusalHasItsCode) {
    const std::string search = "/protocol_search.jsp";
    const struct {
        std::string reply;
        int code;
    } cases[] = {
        {client.post("noSuchCommand", {"1"}), -9001},
        {client.post("", {}), -9001},
        {client.get("/protocol.jsp?kestoSong")->body, -9001}, // not a POST
        {client.post("kestoSong", {}), -9002},
        {client.postBody("/protocol.jsp?cartPage", ""), -9002},
        {client.post("addToCart", {"00101", "1"}), -9002},
        {client.post("cartPage", {std::string(1 << 20, 'x')}), -9003},
        {client.post("cartPage", {std::string(5 << 20, 'x')}), -9003}, // not even read
        {client.post("kestoSong", {"\xB0", "0", ""}), -9004},
        {client.post("search", {"0", std::string("a\0b", 3), "0"}, search), -9004},
        {client.post("kestoSong", {"\xFF\xFE", "0", ""}), -9004},
        {client.post("kestoSong", {"99999", "0", ""}), -9005},
        {client.post("buyingHistory", {"7", "0"}), -9007},
    };
    for (const auto& c : cases)
        expectError(c.reply, c.code);
    EXPECT_EQ(client.get("/stream/nope.wav")->status, 404);
}

// Passwords are kept as salted hashes (the same password twice gives two hashes); a row kept
// before hashing logs in once with its password and is hashed then; a wrong password is refused.
TEST_F(BadInputTest, PasswordsAreKeptAsSaltedHashesAndOnlyTheRightOneLogsIn) {
    SQLite::Database db((dir.path() / ServiceContext::kDatabaseFile).string(), SQLite::OPEN_READWRITE);
    db.exec("INSERT INTO Account VALUES ('old', 'plain-pw', 0)");
    auto kept = [&db](const std::string& user) {
        SQLite::Statement query(db, "SELECT Password FROM Account WHERE User_ID=?");
        query.bind(1, user);
        return query.executeStep() ? query.getColumn(0).getString() : std::string();
    };
    auto logsIn = [this](const std::string& user, const std::string& password) {
        return decodeNumber(client.login(user, password).at(0)) >= 0;
    };
    EXPECT_TRUE(logsIn("twin", "pw"));
    for (const char* user : {"probe", "twin"}) {
        EXPECT_TRUE(kept(user).starts_with("scrypt$")) << kept(user);
        EXPECT_EQ(kept(user).find("$pw"), std::string::npos);
    }
    EXPECT_NE(kept("probe"), kept("twin"));
    const struct {
        const char* user;
        const char* password;
        bool in;
    } cases[] = {{"probe", "wrong", false}, {"probe", "pw", true},     {"probe", "", false},
                 {"old", "plain", false},   {"old", "plain-pw", true}, {"old", "plain-pw", true}};
    for (const auto& c : cases)
        EXPECT_EQ(logsIn(c.user, c.password), c.in) << c.user << " " << c.password;
    EXPECT_TRUE(kept("old").starts_with("scrypt$"));
}

} // namespace
} // namespace kesto::service::test
