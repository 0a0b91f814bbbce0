#include "library/from_clause_aliases.h"
#include "library/sql_database.h"
#include "library/sql_error.h"
#include "library/sql_transaction.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace kesto {
namespace {

std::string messageOf(const SqlError& e) {
    return e.errorMessage() ? e.errorMessage() : "(none)";
}

class SqlWrapperTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.open((dir / "w.db").c_str());
        db.exec("create table a (k integer, v text); create table b (k integer, name text);"
                "insert into a values (1, 'one'); insert into a values (2, NULL);"
                "insert into b values (1, 'first');");
    }
    test::TempFolder dir;
    SqlDatabase db;
};

TEST(SqlErrorTest, MessageCarriesNameCodeAndText) {
    EXPECT_EQ(messageOf(SqlError(1, "near x")), "SQLITE_ERROR[1]: near x");
    EXPECT_EQ(messageOf(SqlError(42, "odd")), "UNKNOWN_ERROR[42]: odd");
    EXPECT_EQ(messageOf(SqlError(1000, nullptr)), "CPPSQLITE_ERROR[1000]: ");
    EXPECT_EQ(messageOf(SqlError(101, "")), "SQLITE_DONE[101]: ");
    const SqlError original(25, "range");
    const SqlError copy(original); // NOLINT(performance-unnecessary-copy-initialization)
    EXPECT_EQ(copy.errorCode(), 25);
    EXPECT_EQ(messageOf(copy), "SQLITE_RANGE[25]: range");
    EXPECT_NE(copy.errorMessage(), original.errorMessage());
}

TEST(SqlDatabaseTest, OpeningInAMissingFolderThrowsCantOpen) {
    test::TempFolder dir;
    SqlDatabase db;
    try {
        db.open((dir / "no/such/folder/x.db").c_str());
        FAIL() << "no exception";
    } catch (const SqlError& e) {
        EXPECT_EQ(e.errorCode(), 14);
        EXPECT_EQ(messageOf(e).rfind("SQLITE_CANTOPEN[14]: ", 0), 0u) << messageOf(e);
    }
    EXPECT_FALSE(db.isOpen());
}

TEST(SqlDatabaseTest, EveryStatementNeedsAnOpenConnection) {
    SqlDatabase db;
    for (auto call :
         {+[](SqlDatabase& d) { d.exec("select 1"); }, +[](SqlDatabase& d) { d.query("select 1"); }}) {
        try {
            call(db);
            FAIL();
        } catch (const SqlError& e) {
            EXPECT_EQ(messageOf(e), "CPPSQLITE_ERROR[1000]: Database not open");
        }
    }
}

TEST_F(SqlWrapperTest, ExecDMLRunsEveryStatementAndCountsChanges) {
    EXPECT_EQ(db.exec("update a set v='x' where k > 0"), 2);
    EXPECT_EQ(db.exec("delete from a where k = 99"), 0);
    EXPECT_EQ(
        db.exec("insert into b values (5,'p'); insert into b values (6,'q'); delete from b where k >= 5"), 2);
    try {
        db.exec("create table a (z)");
        FAIL();
    } catch (const SqlError& e) {
        EXPECT_EQ(e.errorCode(), 1);
        EXPECT_EQ(messageOf(e).rfind("SQLITE_ERROR[1]: ", 0), 0u);
        EXPECT_NE(messageOf(e).find("already exists"), std::string::npos);
    }
}

TEST_F(SqlWrapperTest, ExecQueryRunsOnlyTheFirstStatement) {
    SqlQuery q = db.query("select v from a where k=1; delete from a");
    ASSERT_FALSE(q.atEnd());
    EXPECT_STREQ(q.fieldValue(0), "one");
    q.finalize();
    EXPECT_EQ(db.query("select count(*) from a").fieldValue(0), std::string("2"));
}

TEST_F(SqlWrapperTest, CursorWalksRowsAndReportsNulls) {
    SqlQuery q = db.query("select k, v from a order by k");
    ASSERT_EQ(q.fieldCount(), 2);
    EXPECT_STREQ(q.fieldName(1), "v");
    EXPECT_STREQ(q.fieldValue(0), "1");
    EXPECT_EQ(q.nextRow(), 100);
    EXPECT_EQ(q.fieldValue(1), nullptr);
    EXPECT_EQ(q.nextRow(), 101);
    EXPECT_TRUE(q.atEnd());
}

TEST_F(SqlWrapperTest, EmptyResultKeepsItsColumnCount) {
    SqlQuery q = db.query("select k, v, k from a where k = 42");
    EXPECT_TRUE(q.atEnd());
    EXPECT_EQ(q.fieldCount(), 3);
}

TEST_F(SqlWrapperTest, FieldIndexIsChecked) {
    SqlQuery q = db.query("select k, v from a");
    for (int bad : {-1, 2}) {
        for (bool name : {false, true}) {
            try {
                name ? q.fieldName(bad) : q.fieldValue(bad);
                FAIL() << bad;
            } catch (const SqlError& e) {
                EXPECT_EQ(e.errorCode(), 1000);
                EXPECT_EQ(messageOf(e), "CPPSQLITE_ERROR[1000]: Invalid field index requested");
            }
        }
    }
}

TEST_F(SqlWrapperTest, FinalizedCursorRefusesEverything) {
    SqlQuery q = db.query("select k from a");
    q.finalize();
    q.finalize(); // twice is harmless
    try {
        q.fieldCount();
        FAIL();
    } catch (const SqlError& e) {
        EXPECT_EQ(messageOf(e), "CPPSQLITE_ERROR[1000]: Null Virtual Machine pointer");
    }
    SqlQuery moved = db.query("select k from a");
    SqlQuery target = std::move(moved);
    EXPECT_THROW(moved.atEnd(), SqlError);
    EXPECT_FALSE(target.atEnd());
}

TEST_F(SqlWrapperTest, CompileAndStepErrorsThrowTheLibraryCode) {
    try {
        db.query("select nope from a");
        FAIL();
    } catch (const SqlError& e) {
        EXPECT_EQ(e.errorCode(), 1);
        EXPECT_NE(messageOf(e).find("no such column"), std::string::npos);
    }
    // A step that fails part-way leaves the cursor without a statement.
    db.exec("create table big (n); insert into big values (1); insert into big values (2);");
    SqlQuery q = db.query("select abs(case when n = 2 then -9223372036854775807 - 1 else n end) from big");
    EXPECT_FALSE(q.atEnd());
    EXPECT_THROW(q.nextRow(), SqlError);
    EXPECT_THROW(q.atEnd(), SqlError);
}

TEST_F(SqlWrapperTest, JoinColumnsAreQualifiedByAlias) {
    SqlQuery q = db.query("select count(x.k),*from a x Join b y where x.k=y.k group by x.k");
    ASSERT_EQ(q.fieldCount(), 5);
    EXPECT_STREQ(q.fieldName(0), "count(x.k)");
    EXPECT_STREQ(q.fieldName(1), "x.k");
    EXPECT_STREQ(q.fieldName(2), "x.v");
    EXPECT_STREQ(q.fieldName(3), "y.k");
    EXPECT_STREQ(q.fieldName(4), "y.name");
    SqlQuery plain = db.query("select distinct y.name, x.v as value from a x, b as y");
    EXPECT_STREQ(plain.fieldName(0), "y.name");
    EXPECT_STREQ(plain.fieldName(1), "value");
    SqlQuery noAlias = db.query("select * from a inner join b on a.k = b.k where a.k = 1");
    EXPECT_STREQ(noAlias.fieldName(3), "b.name");
    SqlQuery single = db.query("select * from a x where x.k = 1");
    EXPECT_STREQ(single.fieldName(0), "k");
}

TEST(FromClauseAliasesTest, FindsTablesAcrossJoinForms) {
    const FromClauseAliases a(
        "select * from t1 x left outer join [t 2] as y on (x.a = y.a) , t3 where x='from z'");
    ASSERT_EQ(a.tableCount(), 3u);
    EXPECT_EQ(a.qualifierOf("T1"), "x");
    EXPECT_EQ(a.qualifierOf("t 2"), "y");
    EXPECT_EQ(a.qualifierOf("t3"), "t3");
    EXPECT_EQ(a.qualifierOf("t4"), "");
    EXPECT_EQ(FromClauseAliases("select (select 1 from q) from p; select * from r, s").tableCount(), 1u);
}

TEST(SqlBusyTimeoutTest, SecondWriterFailsBusyAfterTheTimeout) {
    test::TempFolder dir;
    SqlDatabase first, second;
    first.open((dir / "busy.db").c_str());
    first.exec("PRAGMA journal_mode=WAL; create table t (n)");
    second.open((dir / "busy.db").c_str());
    second.setBusyTimeout(100);
    SqlTransaction hold(first);
    ASSERT_TRUE(hold.active());
    first.exec("insert into t values (1)");
    try {
        second.exec("insert into t values (2)");
        FAIL();
    } catch (const SqlError& e) {
        EXPECT_EQ(e.errorCode(), 5);
        EXPECT_EQ(messageOf(e).rfind("SQLITE_BUSY[5]: ", 0), 0u);
    }
    EXPECT_TRUE(hold.commit());
    EXPECT_EQ(second.exec("insert into t values (3)"), 1);
}

TEST(SqlBusyTimeoutTest, DefaultTimeoutWaitsForTheOtherWriter) {
    test::TempFolder dir;
    SqlDatabase first, second;
    first.open((dir / "wait.db").c_str());
    first.exec("PRAGMA journal_mode=WAL; create table t (n)");
    second.open((dir / "wait.db").c_str());
    auto hold = std::make_unique<SqlTransaction>(first);
    first.exec("insert into t values (1)");
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        hold->commit();
    });
    EXPECT_EQ(second.exec("insert into t values (2)"), 1);
    release.join();
    EXPECT_STREQ(second.query("select count(*) from t").fieldValue(0), "2");
}

TEST(SqlTransactionTest, UncommittedBatchRollsBack) {
    test::TempFolder dir;
    SqlDatabase db;
    db.open((dir / "t.db").c_str());
    db.exec("create table t (n)");
    {
        SqlTransaction batch(db);
        db.exec("insert into t values (1)");
    }
    EXPECT_STREQ(db.query("select count(*) from t").fieldValue(0), "0");
}

} // namespace
} // namespace kesto
