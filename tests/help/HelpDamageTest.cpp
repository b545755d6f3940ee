#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

#include "HelpTestSupport.h"
#include "help/HelpControl.h"
#include "help/THookHelpSystem.h"

// Whatever the help file holds and whatever its viewer does, the game goes on: the player is told
// once, the viewer's process is gone, and the next press tries again.
namespace {

const QString damagedEnglish = QStringLiteral("The help file is damaged.");

QByteArray GoodFile() {
    QFile file(QStringLiteral(TVDL_HELP_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class HelpDamage : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = files.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write";
        return path;
    }
    // One press of the help button for `helpFile`, and what the player is told about it.
    std::vector<QString> Press(const QString& helpFile) {
        sandbox.messages.clear();
        if (!hook || hook->HelpFile != helpFile) {
            hook.reset();
            hook = std::make_unique<THookHelpSystem>(sandbox.System(), helpFile, QString(), 0, &language);
        }
        EXPECT_TRUE(sandbox.Api().HelpContext(1));
        EXPECT_TRUE(sandbox.Settle()) << "the game never waits long for its viewer";
        std::vector<QString> told;
        for (const auto& [caption, text] : sandbox.messages) told.push_back(text);
        return told;
    }
    bool ViewerRuns() { return sandbox.Viewer() && sandbox.Viewer()->Running(); }

    HelpSandbox sandbox;
    QTemporaryDir files;
    Language language = Language::English;
    std::unique_ptr<THookHelpSystem> hook;
};

TEST_F(HelpDamage, DamagedFilesAreToldInThePlayersLanguageAndTheNextPressTriesAgain) {
    const QByteArray good = GoodFile();
    ASSERT_FALSE(good.isEmpty());
    struct Damage {
        const char* what;
        QByteArray bytes;
    };
    const auto changed = [&good](qsizetype at, char value) {
        QByteArray bytes = good;
        bytes[at] = value;
        return bytes;
    };
    // The first two (one changed byte each, found by scripts/fuzz.sh) broke the game when the
    // viewer still ran inside it.
    for (const Damage& damage : {Damage{"chmlib divides by zero", changed(1371, 0x0e)},
                                 Damage{"chmlib divides by zero elsewhere", changed(1064, 0x63)},
                                 Damage{"chmlib refuses the file", good.left(100)}}) {
        SCOPED_TRACE(damage.what);
        const QString file = Write(QString::fromLatin1(damage.what) + QStringLiteral(".chm"), damage.bytes);
        language = Language::English;
        EXPECT_EQ(Press(file), std::vector<QString>{damagedEnglish});
        EXPECT_TRUE(sandbox.ViewerEnds());
        language = Language::German;
        EXPECT_EQ(Press(file), std::vector<QString>{QString::fromUtf8("Die Hilfedatei ist beschädigt.")});
        EXPECT_TRUE(sandbox.ViewerEnds());
    }
    // The good file still opens after all that.
    EXPECT_EQ(Press(Write(QStringLiteral("good.chm"), good)), std::vector<QString>{});
    EXPECT_TRUE(ViewerRuns());
}

TEST_F(HelpDamage, AShortFuzzRunNeverTakesTheGameDown) {
    const QByteArray good = GoodFile();
    ASSERT_FALSE(good.isEmpty());
    // scripts/fuzz.sh runs this for longer, from a seed of its own.
    const int seconds = qEnvironmentVariableIntValue("TVDL_HELP_FUZZ_SECONDS");
    const quint32 seed = qEnvironmentVariableIsSet("TVDL_HELP_FUZZ_SEED")
                             ? static_cast<quint32>(qEnvironmentVariableIntValue("TVDL_HELP_FUZZ_SEED"))
                             : 20261207u;
    const QString findings = qEnvironmentVariable("TVDL_HELP_FUZZ_FINDINGS");
    QRandomGenerator random(seed);
    QElapsedTimer running;
    running.start();
    int damaged = 0;
    int opened = 0;
    for (; seconds > 0 ? running.elapsed() < seconds * 1000LL : opened < 6; ++opened) {
        QByteArray bytes = good;
        const int changes = 1 + static_cast<int>(random.bounded(3u));
        for (int i = 0; i < changes; ++i) {
            // Half of the changes hit the directory at the front, where one byte breaks most.
            const quint32 span = random.bounded(2u) == 0 ? 4096u : static_cast<quint32>(bytes.size());
            bytes[static_cast<qsizetype>(random.bounded(span))] = static_cast<char>(random.bounded(256u));
        }
        const QString file = Write(QStringLiteral("fuzz.chm"), bytes);
        const std::vector<QString> told = Press(file);
        ASSERT_LE(told.size(), 1u) << "seed " << seed << ", file " << opened;
        if (!told.empty()) {
            EXPECT_EQ(told.front(), damagedEnglish);
            ++damaged;
            if (!findings.isEmpty()) {
                QFile::copy(file, QStringLiteral("%1/%2-%3.chm").arg(findings).arg(seed).arg(opened));
            }
        }
        HelpControl(sandbox.System()).CloseAllHelpWindows();
        ASSERT_TRUE(sandbox.ViewerEnds()) << "seed " << seed << ", file " << opened;
    }
    std::printf("help fuzz: seed %u, %d damaged copies opened, %d told damaged\n", seed, opened, damaged);
}

// A viewer that misbehaves on purpose.
struct Misbehaviour {
    const char* what;
    QByteArray script;
    // What the player is told; empty for nothing.
    QString told;
    // Short, so that a hang is seen quickly.
    int replyMs = 300;
};

}  // namespace

TEST(HelpDamageViewers, AViewerThatHangsBabblesCrashesOrIsMissingIsEndedAndTold) {
    const QString notInstalled = HelpFuncs::NotInstalledText();
    const std::vector<Misbehaviour> cases = {
        {"hangs", "exec sleep 60", damagedEnglish},
        {"hangs after answering", "echo shown; exec sleep 60", damagedEnglish},
        {"says nothing of use", "exec yes", damagedEnglish},
        // Ended at once, not when its time is up: it must not fill the game's memory meanwhile.
        {"says too much on one line", "head -c 100000 /dev/zero; exec sleep 60", damagedEnglish, 60000},
        {"crashes", "kill -SEGV $$", damagedEnglish},
        {"fails", "exit 3", damagedEnglish},
        {"is ended by someone", "kill -TERM $$", QString()},
        {"finds no chmlib", "echo nocontrol", notInstalled},
        {"is not there", QByteArray(), notInstalled},
    };
    QTemporaryDir scripts;
    for (const Misbehaviour& viewer : cases) {
        SCOPED_TRACE(viewer.what);
        QString program = scripts.filePath(QString::fromLatin1(viewer.what));
        if (!viewer.script.isEmpty()) {
            QFile file(program);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n" + viewer.script + '\n');
            file.close();
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        HelpSandbox sandbox(HelpViewerProcess::Limits{viewer.replyMs, 100}, program);
        {
            THookHelpSystem hook(sandbox.System(), QStringLiteral(TVDL_HELP_FILE), QString(), 0);
            ASSERT_TRUE(sandbox.Api().HelpContext(1));
            const auto told = [&] { return !sandbox.messages.empty(); };
            if (viewer.told.isEmpty()) {
                ASSERT_TRUE(sandbox.ViewerEnds());
            } else {
                ASSERT_TRUE(QTest::qWaitFor(told, 10000));
                EXPECT_EQ(sandbox.messages.front().second, viewer.told);
                ASSERT_TRUE(sandbox.ViewerEnds());
            }
            QCoreApplication::processEvents();
            EXPECT_EQ(sandbox.messages.size(), viewer.told.isEmpty() ? 0u : 1u) << "told once";
        }
    }
}
