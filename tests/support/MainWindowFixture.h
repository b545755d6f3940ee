#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

#include "BoardPicture.h"
#include "ConfigHome.h"
#include "FakeAudioOut.h"
#include "FakeClock.h"
#include "Waits.h"
#include "cards/TableGeometry.h"
#include "game/Language.h"
#include "game/SoundCue.h"
#include "game/Statistics.h"
#include "platform/Clock.h"
#include "settings/SettingsStore.h"
#include "ui/DialogLook.h"
#include "ui/GameSession.h"
#include "ui/TMainForm.h"
#include "ui/ToolStrip.h"

// The main window as the window tests drive it: on an empty settings store, with a clock that
// makes every slide and pause finish at once, and a sound output that only listens. The window is
// made by Open(), so a test can prepare the store first, and made again by the next Open(), as the
// next run of the program. The tests see what the player sees: the window's pixels, its controls
// and its dialogs.
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
        form = std::make_unique<TMainForm>(SessionServices{std::move(output), [this](QDialog& dialog) {
                                               dialogsRun.push_back(QString::fromLatin1(dialog.metaObject()->className()));
                                               return answer ? answer(dialog) : dialog.exec();
                                           }});
        return *form;
    }
    void Show() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    // Shown, and its first activation over: the language question if none is stored, then the
    // about box.
    void ShowAndSettle() {
        Show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return Ran("TFreewareDlg"); }, WaitLimitMs));
    }
    bool Ran(const char* dialogClass) const {
        return std::find(dialogsRun.begin(), dialogsRun.end(), QLatin1String(dialogClass)) != dialogsRun.end();
    }

    // The language the next Open() reads from the store.
    static void StoreLanguage(Language language) { SettingsStore().WriteInteger(SettingKey::Language, static_cast<int>(language)); }

    GameSession& Session() { return form->Session(); }
    Statistics& Stats() { return Session().Stats(); }

    // Every dialog the window opens is answered at once with `result`, without showing it.
    void AnswerEvery(int result) {
        answer = [result](QDialog&) { return result; };
    }

    QAbstractButton* Button(ToolStrip::Command command) { return form->findChild<ToolStrip*>()->Button(command); }
    void Click(ToolStrip::Command command) { QTest::mouseClick(Button(command), Qt::LeftButton); }
    // The surface view, which takes the mouse on the board and shows the whole client area under
    // the strips.
    QWidget* BoardView() { return form->childAt(300, 200); }
    // The client area as the board's view draws it at the design's density, strips and banner
    // left out.
    QImage Canvas() {
        QImage canvas(ClientWidth, ClientHeight, QImage::Format_RGB32);
        BoardView()->render(&canvas);
        return canvas;
    }
    BoardPicture Picture() { return BoardPicture(Canvas()); }
    static QPoint PlaceCenter(int column, int row) {
        return {PlaceLeft(column) + CardWidth / 2, PlaceTop(row) + CardHeight / 2};
    }
    void ClickPlace(int column, int row) { QTest::mouseClick(BoardView(), Qt::LeftButton, {}, PlaceCenter(column, row)); }
    // A pointer move with no button held, delivered at once: QTest's own move only sets the
    // cursor, which sends nothing when the cursor already stands there.
    static void MovePointer(QWidget& widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
    }
    // The first move of the dealt board, made with the mouse: the card that follows the left
    // neighbour of a gap is put into it. The deal counts as started from then on.
    void MakeAMove() {
        const BoardPicture board = Picture();
        for (int row = 0; row < Board::Rows; ++row) {
            for (int column = 1; column < Board::Columns; ++column) {
                const std::optional<SeenCard> left = board.Place(column - 1, row);
                if (board.Place(column, row) || !left || left->rank == 13) continue;
                const std::optional<QPoint> from = board.Find({left->suit, left->rank + 1});
                if (!from) continue;
                ClickPlace(from->x(), from->y());
                ClickPlace(column, row);
                ASSERT_EQ(Picture().Place(column, row), (SeenCard{left->suit, left->rank + 1}));
                return;
            }
        }
        FAIL() << "no move on the board";
    }

    // The cues that reached the sound output from request `first` on, told apart by their
    // recordings' lengths.
    std::vector<SoundCue> Cues(std::size_t first = 0) const {
        std::vector<SoundCue> cues;
        for (std::size_t i = first; i < audio->requests.size(); ++i) {
            const FakeAudioOut::Request& request = audio->requests[i];
            if (request.play) cues.push_back(CueOfLength(request.samples.size()));
        }
        return cues;
    }
    static SoundCue CueOfLength(qsizetype bytes) {
        switch (bytes) {
            case 25365: return SoundCue::Won;
            case 81: return SoundCue::Pick;
            case 244: return SoundCue::Drop;
            case 12020: return SoundCue::Return;
            case 2573: return SoundCue::Deal;
            default: EXPECT_EQ(bytes, 11302) << "a recording of no cue"; return SoundCue::GiveUp;
        }
    }

    FakeClock clock{0, 1000};
    ScopedClock scopedClock{clock};
    std::function<int(QDialog&)> answer;
    std::vector<QString> dialogsRun;
    // Goes before the clock it runs on and the answer it calls.
    std::unique_ptr<TMainForm> form;
    // The window's sound output, which it owns.
    FakeAudioOut* audio = nullptr;
};
