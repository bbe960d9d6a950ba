#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <atomic>
#include <thread>

#include "app/SingleInstance.h"

using namespace trelvix;

TEST(SingleInstance, SecondInstanceHandsOverToTheFirst) {
    SingleInstance first(QStringLiteral("trelvixTestInstance"));
    ASSERT_TRUE(first.Acquire());
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    std::atomic<int> acquired{-1}, answered{-1};
    std::thread second([&] {
        SingleInstance other(QStringLiteral("trelvixTestInstance"));
        acquired = other.Acquire();
        answered = other.AskRunningToShow();
    });
    QElapsedTimer t;
    t.start();
    while (answered < 0 && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    second.join();
    EXPECT_EQ(acquired, 0);
    EXPECT_EQ(answered, 1);
    EXPECT_EQ(shown.count(), 1);
}

TEST(SingleInstance, LockIsFreeAgainWhenTheFirstEnds) {
    {
        SingleInstance first(QStringLiteral("trelvixTestInstance2"));
        ASSERT_TRUE(first.Acquire());
    }
    SingleInstance next(QStringLiteral("trelvixTestInstance2"));
    EXPECT_TRUE(next.Acquire());
    SingleInstance nobody(QStringLiteral("trelvixTestInstance3"));
    EXPECT_FALSE(nobody.AskRunningToShow(200));
}
