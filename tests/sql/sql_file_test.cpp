#include "sql/sql_file.h"
#include "sql/sql_transaction.h"
#include "support/other_user.h"
#include "support/temp_folder.h"

#include <SQLiteCpp/Exception.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kesto {
namespace {

unsigned modeOf(const std::filesystem::path& file) {
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 ? status.st_mode & 0777 : 0;
}

int count(SQLite::Database& db) {
    return db.execAndGet("select count(*) from t").getInt();
}

class SqlFileTest : public ::testing::Test {
protected:
    std::string file(const char* name = "f.db") const { return (dir / name).string(); }
    test::TempFolder dir;
};

TEST_F(SqlFileTest, MadeFilesAndTheirJournalAreTheOwnersOnlyWhateverTheUmask) {
    for (const mode_t mask : {0000, 0022, 0077, 0277}) {
        const mode_t before = ::umask(mask);
        const std::string name = "u" + std::to_string(mask) + ".db";
        {
            SQLite::Database db = SqlFile::open(file(name.c_str()), 0);
            db.exec("create table t (v)");
            EXPECT_EQ(modeOf(file(name.c_str())), 0600u) << mask;
            EXPECT_EQ(modeOf(file((name + "-wal").c_str())), 0600u) << mask;
        }
        ::umask(before);
    }
    // A file of ours that was there is tightened; a link in its place, or a file of another
    // user's, is not opened.
    ::close(::open(file().c_str(), O_CREAT | O_WRONLY, 0644));
    SqlFile::open(file(), 0);
    EXPECT_EQ(modeOf(file()), 0600u);
    std::filesystem::create_symlink(file(), file("link.db"));
    EXPECT_THROW(SqlFile::open(file("link.db"), 0), SQLite::Exception);
    ::close(::open(file("theirs.db").c_str(), O_CREAT | O_WRONLY, 0600));
    ASSERT_EQ(::chown(file("theirs.db").c_str(), test::kNobody, test::kNobody), 0) << "the test runs as root";
    EXPECT_THROW(SqlFile::open(file("theirs.db"), 0), SQLite::Exception);
}

TEST_F(SqlFileTest, SchemaCannotBeWrittenDirectlyNorRunItsFunctions) {
    SQLite::Database db = SqlFile::open(file(), 0);
    db.exec("create table t (v); insert into t values (1)");
    EXPECT_EQ(db.execAndGet("PRAGMA trusted_schema").getInt(), 0);
    EXPECT_EQ(db.execAndGet("PRAGMA journal_mode").getString(), "wal");
    try {
        db.exec("PRAGMA writable_schema=ON; update sqlite_master set sql='create table t (v, w)'");
        FAIL() << "the schema was written";
    } catch (const SQLite::Exception& e) {
        EXPECT_EQ(e.getErrorCode(), SQLITE_ERROR);
        EXPECT_NE(std::string(e.what()).find("sqlite_master"), std::string::npos) << e.what();
    }
    EXPECT_EQ(count(db), 1);
}

TEST_F(SqlFileTest, FailuresCarryTheirCodeAndMessage) {
    try {
        SqlFile::open(file("no/such/folder/f.db"), 0);
        FAIL();
    } catch (const SQLite::Exception& e) {
        EXPECT_EQ(e.getErrorCode(), SQLITE_CANTOPEN);
        EXPECT_NE(std::string(e.what()).find("no/such/folder"), std::string::npos) << e.what();
    }
    SQLite::Database db = SqlFile::open(file(), 0);
    db.exec("create table t (v)");
    try {
        db.exec("create table t (v)");
        FAIL();
    } catch (const SQLite::Exception& e) {
        EXPECT_EQ(e.getErrorCode(), SQLITE_ERROR);
        EXPECT_NE(std::string(e.what()).find("already exists"), std::string::npos) << e.what();
    }
}

TEST_F(SqlFileTest, BatchCommitsOnceRollsBackUncommittedAndNeverThrows) {
    SQLite::Database db = SqlFile::open(file(), 0);
    db.exec("create table t (v)");
    {
        SqlTransaction batch(&db);
        ASSERT_TRUE(batch.active());
        db.exec("insert into t values (1)");
    }
    EXPECT_EQ(count(db), 0);
    SqlTransaction batch(&db);
    db.exec("insert into t values (1)");
    // Another connection waits for the write lock no longer than its busy timeout: its batch
    // runs without a transaction, and a commit of nothing says so.
    SQLite::Database other = SqlFile::open(file(), 0);
    SqlTransaction refused(&other);
    EXPECT_FALSE(refused.active());
    EXPECT_FALSE(refused.commit());
    EXPECT_THROW(other.exec("insert into t values (2)"), SQLite::Exception);
    EXPECT_TRUE(batch.commit());
    EXPECT_FALSE(batch.commit());
    EXPECT_EQ(count(other), 1);
    SqlTransaction none(nullptr);
    EXPECT_FALSE(none.active());
}

} // namespace
} // namespace kesto
