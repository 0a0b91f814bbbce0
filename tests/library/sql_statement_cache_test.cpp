// Statements run from a format with bound values against the same statements formatted as text:
// the rows stored, the rows found and the errors must not tell the two apart.
#include "library/my_album_db.h"
#include "library/sql_database.h"
#include "library/sql_error.h"
#include "library/sql_statement_cache.h"
#include "library/sql_text.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace kesto {
namespace {

// The album insert as the album database writes it, and a dump of a row with the types SQLite
// gave each value.
constexpr const char* kInsert =
    "insert into AlbumInfo_tbl (ID,Album_ID, "
    "Song_ID,Song_Type,Song_Name,Play_Time,Artist_Name,Album_Name,Bitrate,Listen_Count,Date,bRead,ExpireDate,"
    "Local_Path) values('%s','%s','%s',%d,'%s','%d','%s','%s','%d','%d','%s',%d,'%s','%s');";
constexpr const char* kDump =
    "select quote(Album_ID)||quote(Song_ID)||quote(Song_Type)||quote(Song_Name)||quote(Play_Time)||"
    "quote(Artist_Name)||quote(Album_Name)||quote(Bitrate)||quote(Listen_Count)||quote(Date)||quote(bRead)||"
    "quote(ExpireDate)||quote(Local_Path) from AlbumInfo_tbl where ID='%s'";

class SqlStatementCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(album.start(dir.path()));
        db = &album.database();
    }
    std::string dump(const char* id) {
        return db->firstField(kDump, {SqlValue::text(id)}).value_or("(no row)");
    }
    test::TempFolder dir;
    MyAlbumDb album;
    SqlDatabase* db = nullptr;
};

TEST(SqlStatementCacheFormat, ConversionsBecomeParametersAndOthersAreRefused) {
    EXPECT_EQ(
        SqlStatementCache::parameterised("select * from t where a='%s' and b=%d and c='%d' and d like '5%%'"),
        "select * from t where a=? and b=? and c=? and d like '5%'");
    EXPECT_THROW(SqlStatementCache::parameterised("select * from t where a=%s"), SqlError);
    EXPECT_THROW(SqlStatementCache::parameterised("select %x"), SqlError);
}

TEST_F(SqlStatementCacheTest, BoundRowEqualsTheFormattedTextRow) {
    const std::string name = "it's \"quoted\"; -- not a comment", path = "/m/o'k/a.mp3";
    const std::string date = "20240101120000", artist = "\xb0\xa1\xb3\xaa"; // CP949 text
    db->exec(SqlText::format(kInsert, "1", "4001", "s1", 0, SqlText::quoteDoubled(name).c_str(), 245,
                             artist.c_str(), "", 128, 0, date.c_str(), 0, "",
                             SqlText::quoteDoubled(path).c_str())
                 .c_str());
    using V = SqlValue;
    EXPECT_EQ(db->exec(kInsert, {V::text("2"), V::text("4001"), V::text("s1"), V::number(0), V::text(name),
                                 V::number(245), V::text(artist), V::text(""), V::number(128), V::number(0),
                                 V::text(date), V::number(0), V::text(""), V::text(path)}),
              1);
    EXPECT_EQ(dump("2"), dump("1"));
    EXPECT_NE(dump("1").find("'it''s"), std::string::npos);
    // The look-ups find what the text finds, the apostrophe included.
    EXPECT_EQ(album.songIdByPath(path), "s1");
    EXPECT_TRUE(album.containsSong("4001", "", path));
    EXPECT_TRUE(album.containsSong("4001", "s1", path));
    EXPECT_FALSE(album.containsSong("4002", "s1", ""));
    EXPECT_EQ(album.songIdByPath("/m/ok/a.mp3"), "");
}

TEST_F(SqlStatementCacheTest, FailuresThrowTheTextsCodeAndLeaveTheStatementUsable) {
    using V = SqlValue;
    const auto insertRow = [this](const char* id) {
        return db->exec(kInsert, {V::text(id), V::text("4001"), V::text("s"), V::number(0), V::text("n"),
                                  V::number(1), V::text(""), V::text(""), V::number(0), V::number(0),
                                  V::text("d"), V::number(0), V::text(""), V::text("/p")});
    };
    insertRow("7");
    try {
        insertRow("7"); // the same primary key
        FAIL() << "no exception";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.errorCode(), 19);
        EXPECT_EQ(std::string(e.errorMessage()).rfind("SQLITE_CONSTRAINT[19]: ", 0), 0u);
    }
    EXPECT_EQ(insertRow("8"), 1);
    EXPECT_EQ(db->firstField("select count(*) from AlbumInfo_tbl where Local_Path='%s'", {V::text("/p")}),
              "2");
    // Values that do not fit the format are the caller's mistake, reported as the wrapper's.
    try {
        db->exec(kInsert, {V::text("9")});
        FAIL() << "no exception";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.errorCode(), SqlError::kWrapperError);
    }
    // No row is not an error; a closed connection is.
    EXPECT_FALSE(db->firstField("select Song_ID from AlbumInfo_tbl where ID='%s'", {V::text("x")}));
    EXPECT_FALSE(db->hasRow("select * from AlbumInfo_tbl where ID='%s'", {V::text("x")}));
    db->close();
    try {
        db->hasRow("select * from AlbumInfo_tbl where ID='%s'", {V::text("7")});
        FAIL() << "no exception";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.errorCode(), SqlError::kWrapperError);
    }
}

TEST_F(SqlStatementCacheTest, KeptStatementsHoldNoReadAgainstAnotherConnection) {
    using V = SqlValue;
    db->exec("insert into AlbumInfo_tbl (ID,Song_ID,Local_Path) values ('1','s','/a'),('2','s','/b')");
    EXPECT_TRUE(db->hasRow("select * from AlbumInfo_tbl where Song_ID='%s'", {V::text("s")}));
    EXPECT_EQ(
        db->firstField("select Local_Path from AlbumInfo_tbl where Song_ID='%s' order by ID", {V::text("s")}),
        "/a");
    // A second connection can fold the whole log back at once: the first one's kept statements
    // were reset and read nothing any more.
    SqlDatabase other;
    other.open(album.path().c_str());
    other.setBusyTimeout(0);
    SqlQuery checkpoint = other.query("pragma wal_checkpoint(TRUNCATE)");
    ASSERT_FALSE(checkpoint.atEnd());
    EXPECT_STREQ(checkpoint.fieldValue(0), "0"); // not busy
}

} // namespace
} // namespace kesto
