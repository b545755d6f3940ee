#include <gtest/gtest.h>

#include <QThread>

#include <chrono>
#include <functional>

#include "platform/QtAudioOut.h"

namespace {

// Polls without running this thread's event loop, as the game does while it busy-waits.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        QThread::msleep(20);
    }
    return condition();
}

void BusyWait(std::chrono::milliseconds length) {
    const auto end = std::chrono::steady_clock::now() + length;
    while (std::chrono::steady_clock::now() < end) {
    }
}

}  // namespace

// Needs a sound server (scripts/test.sh starts one with a null sink). Audio timing varies, so the
// bounds are loose: what matters is that playback goes on at all while this thread is blocked.
TEST(AudioDeviceTest, PlaybackGoesOnWhileTheCallerBusyWaitsAndANewBufferReplacesIt) {
    constexpr int Rate = 11025;
    // The test script keeps the other tests away from its server and gives its address here.
    const QByteArray server = qgetenv("TVDL_TEST_PULSE_SERVER");
    if (!server.isEmpty()) qputenv("PULSE_SERVER", server);
    QtAudioOut out;
    if (!out.HasDevice()) GTEST_SKIP() << "no sound output device";
    out.Play(QByteArray(10 * Rate, char(128)), {1, Rate, 8});
    // A new stream may stall for a while before it flows; start measuring once it does.
    ASSERT_TRUE(WaitFor([&] { return out.BytesTaken() > Rate / 2; }, std::chrono::seconds(8)));

    const qint64 before = out.BytesTaken();
    BusyWait(std::chrono::milliseconds(800));
    const qint64 during = out.BytesTaken() - before;
    // A sink fed from this thread could take at most its ~0.15 s buffer here.
    EXPECT_GT(during, Rate * 3 / 10) << "bytes taken during an 800 ms busy wait";

    const QByteArray pick(81, char(140));
    out.Play(pick, {1, Rate, 8});
    EXPECT_TRUE(WaitFor([&] { return out.BytesTaken() <= pick.size(); }, std::chrono::seconds(2)))
        << "the long buffer still plays";
}
