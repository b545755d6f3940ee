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

int AcesInColumnZero(const BoardPicture& board) {
    int aces = 0;
    for (int row = 0; row < Board::Rows; ++row) aces += board.Place(0, row) == SeenCard{row, 1};
    return aces;
}

// The cues the main window plays, as they reach the sound output: which recording (told apart by
// its length), when, and how many aces the window showed in column 0 at that moment.
class MainFormSoundTest : public MainWindowFixture {
protected:
    struct Heard {
        SoundCue cue;
        std::uint32_t tick;
        int aces;
    };

    MainFormSoundTest() {
        clock.stepMs = 1;
        StoreLanguage(Language::English);
        Open();
        out = audio;
        out->requests.clear();
        out->now = [this] {
            heardAces.push_back(AcesInColumnZero(Picture()));
            return clock.ticks;
        };
        Answerer first({});
        ShowAndSettle();
    }

    std::vector<Heard> Plays() {
        std::vector<Heard> heard;
        for (std::size_t i = 0; i < out->requests.size(); ++i) {
            const FakeAudioOut::Request& r = out->requests[i];
            if (r.play) heard.push_back({CueOf(r), r.tick, heardAces[i]});
        }
        return heard;
    }

    FakeAudioOut* out = nullptr;
    std::vector<int> heardAces;
};

TEST_F(MainFormSoundTest, SoundOffIsSilentAndAGivenUpDealSighsWaitsThenDealsWithTwoPicksPerAce) {
    SwitchSound(false);
    Session().NewGame();
    EXPECT_TRUE(Plays().empty());

    SwitchSound(true);
    out->requests.clear();
    heardAces.clear();
    Answerer yes({[](QDialog& d) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
    }});
    Session().NewGame();
    ASSERT_EQ(yes.seen.size(), 1u);

    const std::vector<Heard> heard = Plays();
    ASSERT_EQ(heard.size(), 10u);
    EXPECT_EQ(heard[0].cue, SoundCue::GiveUp);
    EXPECT_EQ(heard[1].cue, SoundCue::Deal);
    EXPECT_GE(heard[1].tick - heard[0].tick, 500u) << "the pause between giving up and dealing";
    for (int ace = 0; ace < 4; ++ace) {
        SCOPED_TRACE(ace);
        const Heard& before = heard[static_cast<std::size_t>(2 + 2 * ace)];
        const Heard& after = heard[static_cast<std::size_t>(3 + 2 * ace)];
        EXPECT_EQ(before.cue, SoundCue::Pick);
        EXPECT_EQ(after.cue, SoundCue::Pick);
        EXPECT_EQ(before.aces, ace) << "one pick before the ace leaves its place";
        EXPECT_EQ(after.aces, ace + 1) << "one after it has landed in column 0";
    }
}

}  // namespace
