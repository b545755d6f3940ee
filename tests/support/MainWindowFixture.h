#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "BoardPicture.h"
#include "ConfigHome.h"
#include "DialogDriver.h"
#include "FakeAudioOut.h"
#include "FakeClock.h"
#include "Waits.h"
#include "base/SoundCue.h"
#include "base/Statistics.h"
#include "help/HelpSystem.h"
#include "settings/SettingsStore.h"
#include "solver/HeadlessGame.h"
#include "solver/Solver.h"
#include "ui/DialogLook.h"
#include "ui/GameSession.h"
#include "ui/TMainForm.h"
#include "ui/ToolStrip.h"

// The main window as the window tests drive it: on an empty settings store, with a clock that
// makes every slide and pause finish at once, and a sound output that only listens. The window is
// made by Open(), so a test can prepare the store first, and made again by the next Open(), as the
// next run of the program. The tests see what the player sees and hears: the window's pixels, its
// controls, its dialogs and its sounds.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        ClearNativeFolder();
        InstallFontSubstitutions();
    }

    // Every dialog the window runs is recorded, then given to `answer`, or shown in its own modal
    // loop while there is none.
    TMainForm& Open() {
        form.reset();
        auto output = std::make_unique<FakeAudioOut>();
        audio = output.get();
        form = std::make_unique<TMainForm>(
            SessionServices{std::move(output),
                            [this](QDialog& dialog) {
                                dialogsRun.push_back(QString::fromLatin1(dialog.metaObject()->className()));
                                return answer ? answer(dialog) : dialog.exec();
                            },
                            helpSystem.get()});
        return *form;
    }
    void Show() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    // Shown, and its first activation over: the language question if none is stored, the about box.
    void ShowAndSettle() {
        Show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return Ran("TFreewareDlg"); }, WaitLimitMs));
    }
    bool Ran(const char* dialogClass) const {
        return std::count(dialogsRun.begin(), dialogsRun.end(), QLatin1String(dialogClass)) > 0;
    }
    void AnswerEvery(int result) {
        answer = [result](QDialog&) { return result; };
    }
    // Answers the options dialog with the sound switched on or off.
    static int AnswerWithSound(QDialog& options, bool on) {
        return ExecDriven(options, [&options, on] {
            auto* box = options.findChild<QCheckBox*>(QStringLiteral("SoundCheck"));
            if (box->isChecked() != on) box->click();
            ClickButton(options, "OKBtn");
        });
    }
    void SwitchSound(bool on) {
        const std::function<int(QDialog&)> previous = answer;
        answer = [on](QDialog& options) { return AnswerWithSound(options, on); };
        Click(ToolStrip::Command::Options);
        answer = previous;
    }
    // The language the next Open() reads from the store.
    static void StoreLanguage(Language language) {
        SettingsStore().WriteInteger(SettingKey::Language, static_cast<int>(language));
    }

    GameSession& Session() { return form->Session(); }
    Statistics& Stats() { return Session().Stats(); }
    QAbstractButton* Button(ToolStrip::Command command) {
        return form->findChild<ToolStrip*>()->Button(command);
    }
    void Click(ToolStrip::Command command) { QTest::mouseClick(Button(command), Qt::LeftButton); }
    // The surface view, which takes the mouse on the board and shows the client area under the strips.
    QWidget* BoardView() { return form->childAt(300, 200); }
    // The client area as the view draws it at the design's density, without strips and banner;
    // drawn into one image again and again, since some tests read it after every event.
    const QImage& Canvas() {
        BoardView()->render(&canvas);
        return canvas;
    }
    BoardPicture Picture() { return BoardPicture(Canvas()); }
    static QPoint PlaceCenter(int column, int row) {
        return {PlaceLeft(column) + CardWidth / 2, PlaceTop(row) + CardHeight / 2};
    }
    // A pointer move with no button held, delivered at once: QTest's own move only sets the
    // cursor, which sends nothing when the cursor already stands there.
    static void MovePointer(QWidget& widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
    }
    // A first move with the mouse, which starts the deal: the card that follows a gap's left
    // neighbour goes into the gap.
    void MakeAMove() {
        const BoardPicture board = Picture();
        for (int row = 0; row < Board::Rows; ++row) {
            for (int column = 1; column < Board::Columns; ++column) {
                const std::optional<SeenCard> left = board.Place(column - 1, row);
                if (board.Place(column, row) || !left || left->rank == 13) continue;
                const SeenCard next{left->suit, left->rank + 1};
                const std::optional<QPoint> from = board.Find(next);
                QTest::mouseClick(BoardView(), Qt::LeftButton, {}, PlaceCenter(from->x(), from->y()));
                QTest::mouseClick(BoardView(), Qt::LeftButton, {}, PlaceCenter(column, row));
                ASSERT_EQ(Picture().Place(column, row), next);
                return;
            }
        }
        FAIL() << "no move on the board";
    }
    // A deal the solver wins without a reshuffle, and its line; one of the first deals at once.
    static std::pair<std::uint32_t, std::vector<Move>> WinnableDeal() {
        Budget budget;
        budget.maxPositions = 20'000;
        for (std::uint32_t seed = 1; seed < 100; ++seed) {
            SolveResult result = Solve(HeadlessGame(seed).Layout(), budget);
            if (result.status == SolveStatus::Solved) return {seed, std::move(result.line)};
        }
        ADD_FAILURE() << "no deal winnable without a reshuffle";
        return {};
    }
    // A cue as heard, told apart from the others by its recording's length.
    static SoundCue CueOf(const FakeAudioOut::Request& request) {
        static const std::map<qsizetype, SoundCue> lengths = {
            {25365, SoundCue::Won},    {81, SoundCue::Pick},   {244, SoundCue::Drop},
            {12020, SoundCue::Return}, {2573, SoundCue::Deal}, {11302, SoundCue::GiveUp}};
        return lengths.at(request.samples.size());
    }
    // The cues heard from request `first` on.
    std::vector<SoundCue> Cues(std::size_t first = 0) const {
        std::vector<SoundCue> cues;
        for (std::size_t i = first; i < audio->requests.size(); ++i) {
            if (audio->requests[i].play) cues.push_back(CueOf(audio->requests[i]));
        }
        return cues;
    }

    // Counts the paints a widget gets that cover `area`, or any paint when no area is given.
    struct PaintCounter : QObject {
        explicit PaintCounter(QWidget& widget, QRect covering = {}) : area(covering) {
            widget.installEventFilter(this);
        }
        bool eventFilter(QObject*, QEvent* event) override {
            const bool paint = event->type() == QEvent::Paint;
            if (paint && (area.isNull() || static_cast<QPaintEvent*>(event)->rect().contains(area))) ++paints;
            return false;
        }
        QRect area;
        int paints = 0;
    };

    QImage canvas{ClientWidth, ClientHeight, QImage::Format_RGB32};
    FakeClock clock{0, 1000};
    ScopedClock scopedClock{clock};
    std::function<int(QDialog&)> answer;
    std::vector<QString> dialogsRun;
    // Handed to the window by Open() when a test makes one; without it help requests do nothing.
    std::unique_ptr<HelpSystem> helpSystem;
    // Goes before the clock it runs on, the answer it calls and the help it asks.
    std::unique_ptr<TMainForm> form;
    // The window's sound output, which it owns.
    FakeAudioOut* audio = nullptr;
};
