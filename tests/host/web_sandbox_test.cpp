#include "host/window/web_sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <unistd.h>

namespace kesto {
namespace {

// Restores the variable the host may set.
class WebSandboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* value = std::getenv(WebSandbox::kDisableVariable);
        saved_ = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
        ::unsetenv(WebSandbox::kDisableVariable);
    }
    void TearDown() override {
        saved_ ? ::setenv(WebSandbox::kDisableVariable, saved_->c_str(), 1)
               : ::unsetenv(WebSandbox::kDisableVariable);
    }
    static bool disabled() { return std::getenv(WebSandbox::kDisableVariable) != nullptr; }

    std::optional<std::string> saved_;
};

// An ordinary user with namespaces keeps the sandbox and the environment; root or a missing
// namespace switches it off with one line saying why; an environment that switched it off
// already is left as it is.
TEST_F(WebSandboxTest, TheSandboxGoesOffOnlyWhereItCannotWorkWithOneLineSayingWhy) {
    const struct {
        WebSandbox::Facts facts;
        const char* why; // nullptr: stays on
    } cases[] = {
        {{false, true, false}, nullptr},
        {{true, true, false}, "root"},
        {{false, false, false}, "namespaces"},
        {{true, false, true}, nullptr},
    };
    for (const auto& c : cases) {
        ::unsetenv(WebSandbox::kDisableVariable);
        const std::string line = WebSandbox::apply(c.facts);
        EXPECT_EQ(line.empty(), c.why == nullptr) << line;
        EXPECT_TRUE(c.why == nullptr ||
                    (line.find("sandbox off") != std::string::npos && line.find(c.why) != std::string::npos))
            << line;
        EXPECT_EQ(disabled(), c.why != nullptr) << line;
    }
    EXPECT_EQ(WebSandbox::reasonToDisable(cases[0].facts), "");
    ::setenv(WebSandbox::kDisableVariable, "1", 1);
    EXPECT_TRUE(WebSandbox::probe().disabledAlready);
}

TEST_F(WebSandboxTest, ProbeKnowsThisProcessesUser) {
    const WebSandbox::Facts facts = WebSandbox::probe();
    EXPECT_EQ(facts.root, ::geteuid() == 0);
    EXPECT_FALSE(facts.disabledAlready);
    if (facts.root) {
        EXPECT_NE(WebSandbox::reasonToDisable(facts), "");
    }
}

} // namespace
} // namespace kesto
