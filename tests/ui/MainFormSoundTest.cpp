#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

#include "DialogDriver.h"
#include "FakeAudioOut.h"
#include "MainWindowFixture.h"

namespace {

int AcesInColumnZero(Board& board) {
    int aces = 0;
    for (int row = 0; row < Board::Rows; ++row) aces += board.Place(0, row).TopRank() == 1;
    return aces;
}

// The cues the main window plays, as they reach the sound output: which recording (told apart by
// its length), when, and how many aces stood in column 0 at that moment.
class MainFormSoundTest : public MainWindowFixture {
protected:
    struct Heard {
        qsizetype bytes;
        std::uint32_t tick;
        int aces;
    };
    static constexpr qsizetype Pick = 81, Deal = 2573, GiveUp = 11302;

    MainFormSoundTest() {
        clock.stepMs = 1;
        Open();
        auto fake = std::make_unique<FakeAudioOut>();
        out = fake.get();
        out->now = [this] {
            heardAces.push_back(AcesInColumnZero(GameBoard()));
            return clock.ticks;
        };
        Session().Sounds().SetOutput(std::move(fake));
        Session().CurrentLanguage() = Language::English;
        Answerer first({});
        Show();
        QTest::qWait(50);
    }

    std::vector<Heard> Plays() {
        std::vector<Heard> heard;
        for (std::size_t i = 0; i < out->requests.size(); ++i) {
            const FakeAudioOut::Request& r = out->requests[i];
            if (r.play) heard.push_back({r.samples.size(), r.tick, heardAces[i]});
        }
        return heard;
    }

    FakeAudioOut* out = nullptr;
    std::vector<int> heardAces;
};

TEST_F(MainFormSoundTest, SoundOffIsSilentAndAGivenUpDealSighsWaitsThenDealsWithTwoPicksPerAce) {
    Session().SetSoundOn(false);
    Session().NewGame();
    EXPECT_TRUE(Plays().empty());

    Session().SetSoundOn(true);
    out->requests.clear();
    heardAces.clear();
    Answerer yes({[](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton); }});
    Session().NewGame();
    ASSERT_EQ(yes.seen.size(), 1u);

    const std::vector<Heard> heard = Plays();
    ASSERT_EQ(heard.size(), 10u);
    EXPECT_EQ(heard[0].bytes, GiveUp);
    EXPECT_EQ(heard[1].bytes, Deal);
    EXPECT_GE(heard[1].tick - heard[0].tick, 500u) << "the pause between giving up and dealing";
    for (int ace = 0; ace < 4; ++ace) {
        SCOPED_TRACE(ace);
        const Heard& before = heard[2 + 2 * ace];
        const Heard& after = heard[3 + 2 * ace];
        EXPECT_EQ(before.bytes, Pick);
        EXPECT_EQ(after.bytes, Pick);
        EXPECT_EQ(before.aces, ace) << "one pick before the ace leaves its place";
        EXPECT_EQ(after.aces, ace + 1) << "one after it has landed in column 0";
    }
}

}  // namespace
