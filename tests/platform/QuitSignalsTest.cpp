#include <gtest/gtest.h>
#include <sys/time.h>

#include <QSignalSpy>
#include <csignal>

#include "Waits.h"
#include "platform/QuitSignals.h"

namespace {

long long Microseconds(const timeval& time) {
    return static_cast<long long>(time.tv_sec) * 1'000'000 + time.tv_usec;
}

TEST(QuitSignalsTest, ASignalGivesTheOrderlyEndADeadlineThatTheEndCallsOff) {
    itimerval armed{};
    {
        QuitSignals quit;
        QSignalSpy received(&quit, &QuitSignals::Received);
        getitimer(ITIMER_REAL, &armed);
        EXPECT_EQ(Microseconds(armed.it_value), 0) << "no deadline before a signal";
        std::raise(SIGTERM);
        getitimer(ITIMER_REAL, &armed);
        ASSERT_TRUE(received.wait(WaitLimitMs));
        EXPECT_EQ(received.takeFirst().at(0).toInt(), SIGTERM);
    }
    // Whatever the end does, the program is gone within two seconds of the signal.
    EXPECT_GT(Microseconds(armed.it_value), 0);
    EXPECT_LE(Microseconds(armed.it_value), 2'000'000);
    itimerval after{};
    getitimer(ITIMER_REAL, &after);
    EXPECT_EQ(Microseconds(after.it_value), 0) << "an orderly end that finished still has its deadline";
}

}  // namespace
