#pragma once

#include <gtest/gtest.h>

#include <QTest>

// Qt's QTRY_* macros, outside a QtTest run, return from the test without reporting when they
// time out, so a GoogleTest test that uses them passes whatever happens. These wait the same
// way (events processed) and then check with GoogleTest.
#define EXPECT_EVENTUALLY_EQ(actual, expected, timeoutMs)                                      \
    do {                                                                                       \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, timeoutMs)); \
        EXPECT_EQ(actual, expected);                                                           \
    } while (false)

#define EXPECT_EVENTUALLY_TRUE(condition, timeoutMs) \
    EXPECT_TRUE(QTest::qWaitFor([&] { return bool(condition); }, timeoutMs)) << #condition
