// Statements run from a format with bound values against the same statements formatted as text:
// the rows stored, the rows found and the errors must not tell the two apart.
#include "library/cpp_sqlite_exception.h"
#include "library/my_album_db.h"
#include "library/sql_database.h"
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
        ASSERT_TRUE(album.Start(dir.path()));
        db = &album.Database();
    }
    std::string dump(const char* id) {
        return db->FirstField(kDump, {SqlValue::text(id)}).value_or("(no row)");
    }
    test::TempFolder dir;
    MyAlbumDb album;
    SqlDatabase* db = nullptr;
};

TEST(SqlStatementCacheFormat, ConversionsBecomeParametersAndOthersAreRefused) {
    EXPECT_EQ(
        SqlStatementCache::parameterised("select * from t where a='%s' and b=%d and c='%d' and d like '5%%'"),
        "select * from t where a=? and b=? and c=? and d like '5%'");
    EXPECT_THROW(SqlStatementCache::parameterised("select * from t where a=%s"), CppSQLiteException);
    EXPECT_THROW(SqlStatementCache::parameterised("select %x"), CppSQLiteException);
}

TEST_F(SqlStatementCacheTest, BoundRowEqualsTheFormattedTextRow) {
    const std::string name = "it's \"quoted\"; -- not a comment", path = "/m/o'k/a.mp3";
    const std::string date = "20240101120000", artist = "\xb0\xa1\xb3\xaa"; // CP949 text
    db->ExecDML(SqlText::format(kInsert, "1", "4001", "s1", 0, SqlText::quoteDoubled(name).c_str(), 245,
                                artist.c_str(), "", 128, 0, date.c_str(), 0, "",
                                SqlText::quoteDoubled(path).c_str())
                    .c_str());
    using V = SqlValue;
    EXPECT_EQ(db->ExecDML(kInsert, {V::text("2"), V::text("4001"), V::text("s1"), V::number(0), V::text(name),
                                    V::number(245), V::text(artist), V::text(""), V::number(128),
                                    V::number(0), V::text(date), V::number(0), V::text(""), V::text(path)}),
              1);
    EXPECT_EQ(dump("2"), dump("1"));
    EXPECT_NE(dump("1").find("'it''s"), std::string::npos);
    // The look-ups find what the text finds, the apostrophe included.
    EXPECT_EQ(album.SongIdByPath(path), "s1");
    EXPECT_TRUE(album.ContainsSong("4001", "", path));
    EXPECT_TRUE(album.ContainsSong("4001", "s1", path));
    EXPECT_FALSE(album.ContainsSong("4002", "s1", ""));
    EXPECT_EQ(album.SongIdByPath("/m/ok/a.mp3"), "");
}

TEST_F(SqlStatementCacheTest, FailuresThrowTheTextsCodeAndLeaveTheStatementUsable) {
    using V = SqlValue;
    const auto insertRow = [this](const char* id) {
        return db->ExecDML(kInsert, {V::text(id), V::text("4001"), V::text("s"), V::number(0), V::text("n"),
                                     V::number(1), V::text(""), V::text(""), V::number(0), V::number(0),
                                     V::text("d"), V::number(0), V::text(""), V::text("/p")});
    };
    insertRow("7");
    try {
        insertRow("7"); // the same primary key
        FAIL() << "no exception";
    } catch (const CppSQLiteException& e) {
        EXPECT_EQ(e.errorCode(), 19);
        EXPECT_EQ(std::string(e.errorMessage()).rfind("SQLITE_CONSTRAINT[19]: ", 0), 0u);
    }
    EXPECT_EQ(insertRow("8"), 1);
    EXPECT_EQ(db->FirstField("select count(*) from AlbumInfo_tbl where Local_Path='%s'", {V::text("/p")}),
              "2");
    // Values that do not fit the format are the caller's mistake, reported as the wrapper's.
    try {
        db->ExecDML(kInsert, {V::text("9")});
        FAIL() << "no exception";
    } catch (const CppSQLiteException& e) {
        EXPECT_EQ(e.errorCode(), CppSQLiteException::kWrapperError);
    }
    // No row is not an error; a closed connection is.
    EXPECT_FALSE(db->FirstField("select Song_ID from AlbumInfo_tbl where ID='%s'", {V::text("x")}));
    EXPECT_FALSE(db->HasRow("select * from AlbumInfo_tbl where ID='%s'", {V::text("x")}));
    db->Close();
    try {
        db->HasRow("select * from AlbumInfo_tbl where ID='%s'", {V::text("7")});
        FAIL() << "no exception";
    } catch (const CppSQLiteException& e) {
        EXPECT_EQ(e.errorCode(), CppSQLiteException::kWrapperError);
    }
}

TEST_F(SqlStatementCacheTest, KeptStatementsHoldNoReadAgainstAnotherConnection) {
    using V = SqlValue;
    db->ExecDML("insert into AlbumInfo_tbl (ID,Song_ID,Local_Path) values ('1','s','/a'),('2','s','/b')");
    EXPECT_TRUE(db->HasRow("select * from AlbumInfo_tbl where Song_ID='%s'", {V::text("s")}));
    EXPECT_EQ(
        db->FirstField("select Local_Path from AlbumInfo_tbl where Song_ID='%s' order by ID", {V::text("s")}),
        "/a");
    // A second connection can fold the whole log back at once: the first one's kept statements
    // were reset and read nothing any more.
    SqlDatabase other;
    other.Open(album.Path().c_str());
    other.SetBusyTimeout(0);
    SqlQuery checkpoint = other.ExecQuery("pragma wal_checkpoint(TRUNCATE)");
    ASSERT_FALSE(checkpoint.Eof());
    EXPECT_STREQ(checkpoint.FieldValue(0), "0"); // not busy
}

} // namespace
} // namespace kesto
