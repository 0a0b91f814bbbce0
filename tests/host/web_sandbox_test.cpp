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

TEST_F(WebSandboxTest, AnOrdinaryUserWithNamespacesKeepsTheSandboxAndTheEnvironment) {
    const WebSandbox::Facts user{false, true, false};
    EXPECT_EQ(WebSandbox::reasonToDisable(user), "");
    EXPECT_EQ(WebSandbox::apply(user), "");
    EXPECT_FALSE(disabled());
}

TEST_F(WebSandboxTest, RootOrAMissingNamespaceSwitchesItOffWithOneLineSayingWhy) {
    const std::string asRoot = WebSandbox::apply({true, true, false});
    EXPECT_NE(asRoot.find("sandbox off"), std::string::npos);
    EXPECT_NE(asRoot.find("root"), std::string::npos);
    EXPECT_STREQ(std::getenv(WebSandbox::kDisableVariable), "1");

    ::unsetenv(WebSandbox::kDisableVariable);
    const std::string inContainer = WebSandbox::apply({false, false, false});
    EXPECT_NE(inContainer.find("namespaces"), std::string::npos);
    EXPECT_STREQ(std::getenv(WebSandbox::kDisableVariable), "1");
}

TEST_F(WebSandboxTest, AnEnvironmentThatSwitchedItOffAlreadyIsLeftAsItIs) {
    ::setenv(WebSandbox::kDisableVariable, "1", 1);
    const WebSandbox::Facts facts = WebSandbox::probe();
    EXPECT_TRUE(facts.disabledAlready);
    EXPECT_EQ(WebSandbox::apply(facts), "");
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
