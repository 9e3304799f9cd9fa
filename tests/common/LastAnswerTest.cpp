#include <gtest/gtest.h>

#include <QByteArray>
#include <QByteArrayView>
#include <thread>

#include "common/LastAnswer.h"

// A kept answer serves only its own key, and only until the shared table is cleared: a stale
// folder limit or template would name files wrongly.
TEST(LastAnswerTest, AnswersItsKeyUntilTheTableIsCleared) {
    ClearingCount clearings;
    LastAnswer<QByteArray, long> answer;
    EXPECT_EQ(answer.find(QByteArrayView(""), clearings.current()), nullptr);

    answer.keep(clearings.current(), "/a", 255);
    ASSERT_NE(answer.find(QByteArrayView("/a"), clearings.current()), nullptr);
    EXPECT_EQ(*answer.find(QByteArrayView("/a"), clearings.current()), 255);
    EXPECT_EQ(answer.find(QByteArrayView("/b"), clearings.current()), nullptr);

    // Cleared by another thread: every thread's kept answer is stale.
    std::thread([&clearings] { clearings.cleared(); }).join();
    EXPECT_EQ(answer.find(QByteArrayView("/a"), clearings.current()), nullptr);

    answer.keep(clearings.current(), "/a", 143);
    EXPECT_EQ(*answer.find(QByteArrayView("/a"), clearings.current()), 143);
    answer.forget();
    EXPECT_EQ(answer.find(QByteArrayView("/a"), clearings.current()), nullptr);
}
