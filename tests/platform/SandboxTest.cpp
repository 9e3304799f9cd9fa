#include <gtest/gtest.h>

#include "platform/Sandbox.h"

TEST(Sandbox, ContainerVariableFlatpakOrContainerHomeMeansSandboxed) {
    EXPECT_TRUE(Sandbox::isSandboxedEnvironment("", nullptr));
    EXPECT_TRUE(Sandbox::isSandboxedEnvironment("com.example", "/home/someone"));
    EXPECT_TRUE(Sandbox::isSandboxedEnvironment(
        nullptr, "/Users/someone/Library/Containers/com.example/Data"));
    EXPECT_FALSE(Sandbox::isSandboxedEnvironment(nullptr, "/home/someone"));
    EXPECT_FALSE(Sandbox::isSandboxedEnvironment(nullptr, "/home/Library/Containers"));
    EXPECT_FALSE(Sandbox::isSandboxedEnvironment(nullptr, nullptr));
    EXPECT_TRUE(Sandbox::isSandboxedEnvironment(nullptr, "/home/someone", "com.quorlix.Torvane"));
    // The test run itself is not in a sandbox.
    EXPECT_FALSE(Sandbox::isSandboxed());
}
