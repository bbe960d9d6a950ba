#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <atomic>
#include <thread>
#include <unistd.h>

#include "app/SingleInstance.h"

using namespace trelvix;

TEST(SingleInstance, SecondInstanceHandsOverToTheFirst) {
    QTemporaryDir folder;
    SingleInstance first(QStringLiteral("trelvixTestInstance"));
    ASSERT_TRUE(first.Acquire(folder.path()));
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    std::atomic<int> acquired{-1}, answered{-1};
    std::atomic<qint64> pid{-1};
    std::thread second([&] {
        SingleInstance other(QStringLiteral("trelvixTestInstance"));
        acquired = other.Acquire(folder.path());
        pid = other.RunningPid();
        answered = other.AskRunningToShow();
    });
    QElapsedTimer t;
    t.start();
    while (answered < 0 && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    second.join();
    EXPECT_EQ(acquired, 0);
    EXPECT_EQ(pid, qint64(::getpid()));
    EXPECT_EQ(answered, 1);
    EXPECT_EQ(shown.count(), 1);
}

// The lock belongs to the user folder: another runtime folder (or none) does not get around
// it, and another user folder is never blocked.
TEST(SingleInstance, TheUserFolderDecidesWhateverTheRuntimeFolder) {
    QTemporaryDir folder, otherFolder, otherRuntime;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    SingleInstance first(QStringLiteral("trelvixTestInstance4"));
    ASSERT_TRUE(first.Acquire(folder.path()));
    for (const QByteArray& dir : {otherRuntime.path().toUtf8(), QByteArray()}) {
        qputenv("XDG_RUNTIME_DIR", dir);
        SingleInstance second(QStringLiteral("trelvixTestInstance4"));
        EXPECT_FALSE(second.Acquire(folder.path())) << dir.constData();
        SingleInstance elsewhere(QStringLiteral("trelvixTestInstance4"));
        EXPECT_TRUE(elsewhere.Acquire(otherFolder.path())) << dir.constData();
    }
    qputenv("XDG_RUNTIME_DIR", runtime);
}

TEST(SingleInstance, LockIsFreeAgainWhenTheFirstEnds) {
    QTemporaryDir folder;
    {
        SingleInstance first(QStringLiteral("trelvixTestInstance2"));
        ASSERT_TRUE(first.Acquire(folder.path()));
    }
    SingleInstance next(QStringLiteral("trelvixTestInstance2"));
    EXPECT_TRUE(next.Acquire(folder.path()));
    SingleInstance nobody(QStringLiteral("trelvixTestInstance3"));
    EXPECT_FALSE(nobody.AskRunningToShow(200));
}
