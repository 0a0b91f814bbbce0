#include "library/cpp_sqlite_exception.h"
#include "library/from_clause_aliases.h"
#include "library/sql_database.h"
#include "library/sql_transaction.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace kesto {
namespace {

std::string messageOf(const CppSQLiteException& e) {
    return e.errorMessage() ? e.errorMessage() : "(none)";
}

class SqlWrapperTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.Open((dir / "w.db").c_str());
        db.ExecDML("create table a (k integer, v text); create table b (k integer, name text);"
                   "insert into a values (1, 'one'); insert into a values (2, NULL);"
                   "insert into b values (1, 'first');");
    }
    test::TempFolder dir;
    SqlDatabase db;
};

TEST(CppSQLiteExceptionTest, MessageCarriesNameCodeAndText) {
    EXPECT_EQ(messageOf(CppSQLiteException(1, "near x")), "SQLITE_ERROR[1]: near x");
    EXPECT_EQ(messageOf(CppSQLiteException(42, "odd")), "UNKNOWN_ERROR[42]: odd");
    EXPECT_EQ(messageOf(CppSQLiteException(1000, nullptr)), "CPPSQLITE_ERROR[1000]: ");
    EXPECT_EQ(messageOf(CppSQLiteException(101, "")), "SQLITE_DONE[101]: ");
    const CppSQLiteException original(25, "range");
    const CppSQLiteException copy(original); // NOLINT(performance-unnecessary-copy-initialization)
    EXPECT_EQ(copy.errorCode(), 25);
    EXPECT_EQ(messageOf(copy), "SQLITE_RANGE[25]: range");
    EXPECT_NE(copy.errorMessage(), original.errorMessage());
}

TEST(SqlDatabaseTest, OpeningInAMissingFolderThrowsCantOpen) {
    test::TempFolder dir;
    SqlDatabase db;
    try {
        db.Open((dir / "no/such/folder/x.db").c_str());
        FAIL() << "no exception";
    } catch (const CppSQLiteException& e) {
        EXPECT_EQ(e.errorCode(), 14);
        EXPECT_EQ(messageOf(e).rfind("SQLITE_CANTOPEN[14]: ", 0), 0u) << messageOf(e);
    }
    EXPECT_FALSE(db.IsOpen());
}

TEST(SqlDatabaseTest, EveryStatementNeedsAnOpenConnection) {
    SqlDatabase db;
    for (auto call :
         {+[](SqlDatabase& d) { d.ExecDML("select 1"); }, +[](SqlDatabase& d) { d.ExecQuery("select 1"); }}) {
        try {
            call(db);
            FAIL();
        } catch (const CppSQLiteException& e) {
            EXPECT_EQ(messageOf(e), "CPPSQLITE_ERROR[1000]: Database not open");
        }
    }
}

TEST_F(SqlWrapperTest, ExecDMLRunsEveryStatementAndCountsChanges) {
    EXPECT_EQ(db.ExecDML("update a set v='x' where k > 0"), 2);
    EXPECT_EQ(db.ExecDML("delete from a where k = 99"), 0);
    EXPECT_EQ(
        db.ExecDML("insert into b values (5,'p'); insert into b values (6,'q'); delete from b where k >= 5"),
        2);
    try {
        db.ExecDML("create table a (z)");
        FAIL();
    } catch (const CppSQLiteException& e) {
        EXPECT_EQ(e.errorCode(), 1);
        EXPECT_EQ(messageOf(e).rfind("SQLITE_ERROR[1]: ", 0), 0u);
        EXPECT_NE(messageOf(e).find("already exists"), std::string::npos);
    }
}

TEST_F(SqlWrapperTest, ExecQueryRunsOnlyTheFirstStatement) {
    SqlQuery q = db.ExecQuery("select v from a where k=1; delete from a");
    ASSERT_FALSE(q.Eof());
    EXPECT_STREQ(q.FieldValue(0), "one");
    q.Finalize();
    EXPECT_EQ(db.ExecQuery("select count(*) from a").FieldValue(0), std::string("2"));
}

TEST_F(SqlWrapperTest, CursorWalksRowsAndReportsNulls) {
    SqlQuery q = db.ExecQuery("select k, v from a order by k");
    ASSERT_EQ(q.NumFields(), 2);
    EXPECT_STREQ(q.FieldName(1), "v");
    EXPECT_STREQ(q.FieldValue(0), "1");
    EXPECT_EQ(q.NextRow(), 100);
    EXPECT_EQ(q.FieldValue(1), nullptr);
    EXPECT_EQ(q.NextRow(), 101);
    EXPECT_TRUE(q.Eof());
}

TEST_F(SqlWrapperTest, EmptyResultKeepsItsColumnCount) {
    SqlQuery q = db.ExecQuery("select k, v, k from a where k = 42");
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.NumFields(), 3);
}

TEST_F(SqlWrapperTest, FieldIndexIsChecked) {
    SqlQuery q = db.ExecQuery("select k, v from a");
    for (int bad : {-1, 2}) {
        for (bool name : {false, true}) {
            try {
                name ? q.FieldName(bad) : q.FieldValue(bad);
                FAIL() << bad;
            } catch (const CppSQLiteException& e) {
                EXPECT_EQ(e.errorCode(), 1000);
                EXPECT_EQ(messageOf(e), "CPPSQLITE_ERROR[1000]: Invalid field index requested");
            }
        }
    }
}

TEST_F(SqlWrapperTest, FinalizedCursorRefusesEverything) {
    SqlQuery q = db.ExecQuery("select k from a");
    q.Finalize();
    q.Finalize(); // twice is harmless
    try {
        q.NumFields();
        FAIL();
    } catch (const CppSQLiteException& e) {
        EXPECT_EQ(messageOf(e), "CPPSQLITE_ERROR[1000]: Null Virtual Machine pointer");
    }
    SqlQuery moved = db.ExecQuery("select k from a");
    SqlQuery target = std::move(moved);
    EXPECT_THROW(moved.Eof(), CppSQLiteException);
    EXPECT_FALSE(target.Eof());
}

TEST_F(SqlWrapperTest, CompileAndStepErrorsThrowTheLibraryCode) {
    try {
        db.ExecQuery("select nope from a");
        FAIL();
    } catch (const CppSQLiteException& e) {
        EXPECT_EQ(e.errorCode(), 1);
        EXPECT_NE(messageOf(e).find("no such column"), std::string::npos);
    }
    // A step that fails part-way leaves the cursor without a statement.
    db.ExecDML("create table big (n); insert into big values (1); insert into big values (2);");
    SqlQuery q =
        db.ExecQuery("select abs(case when n = 2 then -9223372036854775807 - 1 else n end) from big");
    EXPECT_FALSE(q.Eof());
    EXPECT_THROW(q.NextRow(), CppSQLiteException);
    EXPECT_THROW(q.Eof(), CppSQLiteException);
}

TEST_F(SqlWrapperTest, JoinColumnsAreQualifiedByAlias) {
    SqlQuery q = db.ExecQuery("select count(x.k),*from a x Join b y where x.k=y.k group by x.k");
    ASSERT_EQ(q.NumFields(), 5);
    EXPECT_STREQ(q.FieldName(0), "count(x.k)");
    EXPECT_STREQ(q.FieldName(1), "x.k");
    EXPECT_STREQ(q.FieldName(2), "x.v");
    EXPECT_STREQ(q.FieldName(3), "y.k");
    EXPECT_STREQ(q.FieldName(4), "y.name");
    SqlQuery plain = db.ExecQuery("select distinct y.name, x.v as value from a x, b as y");
    EXPECT_STREQ(plain.FieldName(0), "y.name");
    EXPECT_STREQ(plain.FieldName(1), "value");
    SqlQuery noAlias = db.ExecQuery("select * from a inner join b on a.k = b.k where a.k = 1");
    EXPECT_STREQ(noAlias.FieldName(3), "b.name");
    SqlQuery single = db.ExecQuery("select * from a x where x.k = 1");
    EXPECT_STREQ(single.FieldName(0), "k");
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
    first.Open((dir / "busy.db").c_str());
    first.ExecDML("PRAGMA journal_mode=WAL; create table t (n)");
    second.Open((dir / "busy.db").c_str());
    second.SetBusyTimeout(100);
    SqlTransaction hold(first);
    ASSERT_TRUE(hold.active());
    first.ExecDML("insert into t values (1)");
    try {
        second.ExecDML("insert into t values (2)");
        FAIL();
    } catch (const CppSQLiteException& e) {
        EXPECT_EQ(e.errorCode(), 5);
        EXPECT_EQ(messageOf(e).rfind("SQLITE_BUSY[5]: ", 0), 0u);
    }
    EXPECT_TRUE(hold.commit());
    EXPECT_EQ(second.ExecDML("insert into t values (3)"), 1);
}

TEST(SqlBusyTimeoutTest, DefaultTimeoutWaitsForTheOtherWriter) {
    test::TempFolder dir;
    SqlDatabase first, second;
    first.Open((dir / "wait.db").c_str());
    first.ExecDML("PRAGMA journal_mode=WAL; create table t (n)");
    second.Open((dir / "wait.db").c_str());
    auto hold = std::make_unique<SqlTransaction>(first);
    first.ExecDML("insert into t values (1)");
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        hold->commit();
    });
    EXPECT_EQ(second.ExecDML("insert into t values (2)"), 1);
    release.join();
    EXPECT_STREQ(second.ExecQuery("select count(*) from t").FieldValue(0), "2");
}

TEST(SqlTransactionTest, UncommittedBatchRollsBack) {
    test::TempFolder dir;
    SqlDatabase db;
    db.Open((dir / "t.db").c_str());
    db.ExecDML("create table t (n)");
    {
        SqlTransaction batch(db);
        db.ExecDML("insert into t values (1)");
    }
    EXPECT_STREQ(db.ExecQuery("select count(*) from t").FieldValue(0), "0");
}

} // namespace
} // namespace kesto
