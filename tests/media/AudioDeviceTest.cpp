#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <functional>

#include "platform/ThreadedAudioOut.h"

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
    ThreadedAudioOut out({QStringLiteral(TVDL_AUDIO_MODULE)});
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

namespace {
QStringList warnings;
void CollectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type >= QtWarningMsg) warnings << text;
}
}  // namespace

// A package without the module, or a stray file in its place, costs the sound and nothing else.
TEST(AudioDeviceTest, WithoutAUsableModuleCuesAreSilentAndThatIsSaidOnce) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString garbage = folder.filePath(QStringLiteral("tvdl-audio.so"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();

    for (const QStringList& paths :
         {QStringList{folder.filePath(QStringLiteral("missing.so"))}, QStringList{garbage}}) {
        SCOPED_TRACE(paths.join(QLatin1Char(' ')).toStdString());
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(CollectWarnings);
        {
            ThreadedAudioOut out(paths);
            out.Play(QByteArray(100, char(128)), {1, 11025, 8});
            out.Play(QByteArray(100, char(128)), {1, 11025, 8});
            EXPECT_FALSE(out.HasDevice());
            out.Stop();
            EXPECT_EQ(out.BytesTaken(), 0);
        }
        qInstallMessageHandler(previous);
        ASSERT_EQ(warnings.size(), 1) << warnings.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(warnings[0].contains(QStringLiteral("No sound"))) << warnings[0].toStdString();
    }
}
