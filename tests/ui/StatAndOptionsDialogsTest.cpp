#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include "DialogDriver.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "settings/StatisticsModel.h"
#include "settings/SwitchesModel.h"
#include "ui/OptionsHost.h"
#include "ui/ScoreGauge.h"
#include "ui/TOptionsDlg.h"
#include "ui/TStatDlg.h"

namespace {

class StoreFixture : public ::testing::Test {
protected:
    QTemporaryDir folder;
    SettingsStore store = SettingsStore::AtFile(folder.filePath(QStringLiteral("store.ini")));
    Language language = Language::English;
    std::unique_ptr<QWidget> main = MakeMainWindow();
};

template <typename T>
T* Child(QWidget& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

QString Figure(QDialog& dialog, const char* name) {
    return Child<QLabel>(dialog, name)->text();
}

// How many pixels of a colour a widget shows.
int CountPixels(QWidget& widget, QRgb colour) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

using StatDlgTest = StoreFixture;

TEST_F(StatDlgTest, ShowsStoredTotalsAndTruncatedPercentagesInTheChosenLanguage) {
    store.WriteInteger(SettingKey::TotalWon, 2);
    store.WriteInteger(SettingKey::TotalLost, 1);
    store.WriteInteger(SettingKey::LongestWon, -5);
    store.WriteInteger(SettingKey::LongestLost, 3);
    StatisticsModel statistics(store);
    TStatDlg dialog(main.get(), language, statistics);
    ExecDriven(dialog, [&] {
        EXPECT_EQ(Figure(dialog, "won"), QStringLiteral("0"));
        EXPECT_EQ(Figure(dialog, "twon"), QStringLiteral("2"));
        EXPECT_EQ(Figure(dialog, "tlost"), QStringLiteral("1"));
        EXPECT_EQ(Figure(dialog, "swon"), QStringLiteral("-5"));
        EXPECT_EQ(Figure(dialog, "slost"), QStringLiteral("3"));
        EXPECT_EQ(Child<ScoreGauge>(dialog, "gthis")->Progress(), 50);
        EXPECT_EQ(Child<ScoreGauge>(dialog, "gtotal")->Progress(), 66);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Torvik Vandrel - Statistics"));
        // The figure sits on both parts of the bar, each time in the other part's colour.
        auto* gauge = Child<ScoreGauge>(dialog, "gthis");
        const QRect inner = gauge->rect().adjusted(1, 1, -1, -1);
        const int filledEnd = inner.left() + inner.width() * 50 / 100;
        const QImage bar = gauge->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int redOnLime = 0, limeOnRed = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y) {
            for (int x = inner.left(); x <= inner.right(); ++x) {
                const QRgb pixel = bar.pixel(x, y) & 0xFFFFFF;
                if (x < filledEnd && pixel == 0xFF0000) ++redOnLime;
                if (x >= filledEnd && pixel == 0x00FF00) ++limeOnRed;
            }
        }
        EXPECT_GT(redOnLime, 10);
        EXPECT_GT(limeOnRed, 10);
    });

    statistics.Stats().CountWon();
    statistics.Stats().CountWon();
    statistics.Stats().CountLost();
    language = Language::German;
    ExecDriven(dialog, [&] {
        EXPECT_EQ(Figure(dialog, "won"), QStringLiteral("2"));
        EXPECT_EQ(Figure(dialog, "lost"), QStringLiteral("1"));
        EXPECT_EQ(Child<ScoreGauge>(dialog, "gthis")->Progress(), 66);
        EXPECT_EQ(Child<QCheckBox>(dialog, "reset")->text(), QString::fromUtf8("Statistik rücksetzen"));
        EXPECT_EQ(Figure(dialog, "Label3"), QStringLiteral("aufgegeben"));
    });
}

TEST_F(StatDlgTest, ResetClearsSixCountersButTheRunGoesOnAndOnlyOkResets) {
    store.WriteInteger(SettingKey::TotalWon, 7);
    store.WriteInteger(SettingKey::LongestLost, 2);
    StatisticsModel statistics(store);
    TStatDlg dialog(main.get(), language, statistics);
    auto* reset = Child<QCheckBox>(dialog, "reset");
    for (int i = 0; i < 3; ++i) statistics.Stats().CountWon();

    // There is no default button: Enter on the box does nothing, on a button presses it.
    EXPECT_EQ(ExecDriven(dialog,
                         [&] {
                             PressKey(Qt::Key_Return);
                             EXPECT_TRUE(dialog.isVisible());
                             PressKey(Qt::Key_Tab);
                             PressKey(Qt::Key_Tab);
                             PressKey(Qt::Key_Return);
                         }),
              1);
    EXPECT_EQ(ExecDriven(dialog,
                         [&] {
                             reset->click();
                             PressKey(Qt::Key_Escape);
                         }),
              2);
    EXPECT_EQ(statistics.Stats().totalWon, 10);
    EXPECT_EQ(ExecDriven(dialog,
                         [&] {
                             EXPECT_FALSE(reset->isChecked());
                             reset->click();
                             ClickButton(dialog, "OKBtn");
                         }),
              1);
    const ::Statistics& counted = statistics.Stats();
    for (std::int32_t counter : {counted.sinceStartWon, counted.sinceStartLost, counted.totalWon,
                                 counted.totalLost, counted.longestWon, counted.longestLost}) {
        EXPECT_EQ(counter, 0);
    }
    EXPECT_EQ(counted.series, 3);
    statistics.Stats().CountWon();
    EXPECT_EQ(counted.series, 4);
    EXPECT_EQ(counted.longestWon, 4);
    ExecDriven(dialog, [&] {
        EXPECT_FALSE(reset->isChecked());
        EXPECT_EQ(Figure(dialog, "swon"), QStringLiteral("4"));
        EXPECT_EQ(Child<ScoreGauge>(dialog, "gtotal")->Progress(), 100);
    });
}

class FakeOptionsHost : public OptionsHost {
public:
    std::uint32_t BackgroundColor() const override { return back; }
    std::uint32_t FrameColor() const override { return frame; }
    bool SoundOn() const override { return sound; }
    void SetSoundOn(bool on) override { sound = on; }
    void SetColors(std::uint32_t background, std::uint32_t frameColour) override {
        back = background;
        frame = frameColour;
    }
    void ApplyTexts() override { ++textsApplied; }

    std::uint32_t back = 0x8000;
    std::uint32_t frame = 0;
    bool sound = true;
    int textsApplied = 0;
};

// Answers the colour chooser, once it is up, with a colour (or cancels it for an invalid one).
void AnswerColorDialog(QColor colour) {
    QTimer::singleShot(0, [colour] {
        auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (chooser == nullptr) {
            ADD_FAILURE() << "no colour chooser";
            return;
        }
        if (!colour.isValid()) {
            chooser->reject();
            return;
        }
        chooser->setCurrentColor(colour);
        chooser->accept();
    });
}

using OptionsDlgTest = StoreFixture;

TEST_F(OptionsDlgTest, CancelKeepsTheSwitchesAndColoursButNotTheSoundOrAChosenColour) {
    FakeOptionsHost host;
    SwitchesModel switches(store);
    TOptionsDlg dialog(main.get(), host, language, switches);
    auto* show = Child<QCheckBox>(dialog, "show");
    auto* preview = Child<QWidget>(dialog, "boxa");
    const int mostOfTheBox = 61 * 61 - 40 * 40;  // the preview outside its frame, roughly
    EXPECT_EQ(ExecDriven(dialog,
                         [&] {
                             EXPECT_TRUE(show->isChecked());
                             EXPECT_TRUE(Child<QCheckBox>(dialog, "slide")->isChecked());
                             EXPECT_TRUE(Child<QCheckBox>(dialog, "SoundCheck")->isChecked());
                             EXPECT_GT(CountPixels(*preview, 0x008000), mostOfTheBox);
                             show->click();
                             Child<QCheckBox>(dialog, "SoundCheck")->click();
                             EXPECT_FALSE(host.sound) << "the sound switches at once";
                             AnswerColorDialog(QColor(0, 0, 128));
                             QTest::mouseClick(Child<QToolButton>(dialog, "ColorBtnB"), Qt::LeftButton);
                             EXPECT_GT(CountPixels(*preview, 0x000080), mostOfTheBox);
                             // A cancelled chooser changes nothing.
                             AnswerColorDialog(QColor());
                             QTest::mouseClick(Child<QToolButton>(dialog, "ColorBtnF"), Qt::LeftButton);
                             ClickButton(dialog, "CancelBtn");
                         }),
              2);
    EXPECT_FALSE(host.sound);
    EXPECT_EQ(host.back, 0x8000u);
    EXPECT_EQ(host.textsApplied, 0);
    EXPECT_TRUE(switches.Switches().showMoves);
    EXPECT_EQ(dialog.WorkingBackground(), 0x800000u);
    EXPECT_EQ(dialog.WorkingFrame(), 0u);

    // The next showing offers the chosen colour, and OK hands it over without the chooser.
    EXPECT_EQ(ExecDriven(dialog,
                         [&] {
                             EXPECT_TRUE(show->isChecked());
                             EXPECT_FALSE(Child<QCheckBox>(dialog, "SoundCheck")->isChecked());
                             EXPECT_GT(CountPixels(*preview, 0x000080), mostOfTheBox);
                             Child<QCheckBox>(dialog, "slide")->click();
                             ClickButton(dialog, "OKBtn");
                         }),
              1);
    EXPECT_EQ(host.back, 0x800000u);
    EXPECT_EQ(host.textsApplied, 1);
    EXPECT_FALSE(switches.Switches().slide);
}

}  // namespace
