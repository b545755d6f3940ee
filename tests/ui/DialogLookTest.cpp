#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QTemporaryDir>

#include "DialogDriver.h"
#include "ui/DialogLook.h"
#include "ui/GlyphButton.h"
#include "ui/TEndGameDlg.h"
#include "ui/TFreewareDlg.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"

namespace {

// All five dialogs, built over one main window, for checks that hold for each of them.
struct AllDialogs {
    Language language = Language::English;
    std::unique_ptr<QWidget> main = MakeMainWindow();
    TGiveUpDlg giveUp{main.get(), language};
    TEndGameDlg endGame{main.get(), language};
    TWonDlg won{main.get(), language};
    TFreewareDlg freeware{main.get(), language, [](const QString&) { return true; }};
    TTongueDlg tongue{main.get(), language};

    std::vector<QDialog*> Each() { return {&giveUp, &endGame, &won, &freeware, &tongue}; }
};

TEST(DialogLook, FormFontResolvesToTheSubstitute) {
    AllDialogs dialogs;
    for (QDialog* dialog : dialogs.Each()) {
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            const QFontInfo info = label->fontInfo();
            EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans")) << label->objectName().toStdString();
        }
        const QFontInfo info(dialog->font());
        EXPECT_EQ(info.pixelSize(), 11);
    }
}

// Texts in either language must fit their controls: no clipped words, nothing outside the
// client area.
TEST(DialogLook, TextsFitTheirControlsInBothLanguages) {
    AllDialogs dialogs;
    for (const Language shown : {Language::German, Language::English}) {
        dialogs.language = shown;
        for (QDialog* dialog : dialogs.Each()) {
            ExecDriven(*dialog, [&] {
                for (const QWidget* child : dialog->findChildren<QWidget*>()) {
                    if (!child->isVisibleTo(dialog) || child->parentWidget() != dialog) continue;
                    EXPECT_TRUE(dialog->rect().contains(child->geometry()))
                        << dialog->metaObject()->className() << " " << child->objectName().toStdString();
                }
                for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                    if (label->text().isEmpty()) continue;
                    const std::string where = std::string(dialog->metaObject()->className()) + " " +
                                              label->objectName().toStdString();
                    if (label->wordWrap()) {
                        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << where;
                    } else {
                        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                            << where;
                    }
                }
                for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
                    const int glyph = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
                    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + glyph,
                              button->width() - 8)
                        << button->objectName().toStdString();
                }
            });
        }
    }
}

TEST(DialogLook, MissingGlyphGivesAnEmptyIcon) {
    EXPECT_TRUE(LoadGlyph(QStringLiteral(":/dialogs/no-such-glyph.png")).isNull());
    QPixmap picture(12, 10);
    picture.fill(Qt::yellow);
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("glyph.png"));
    ASSERT_TRUE(picture.save(file));
    const QIcon glyph = LoadGlyph(file, QStringLiteral(":/dialogs/no-such-twin.png"));
    EXPECT_FALSE(glyph.isNull());
    EXPECT_EQ(glyph.actualSize(QSize(256, 256)), QSize(12, 10));
}

TEST(DialogLook, GlyphSitsAtTheMarginOrCentredWithTheCaption) {
    QWidget parent;
    GlyphButton button(&parent);
    button.setGeometry(0, 0, 77, 27);
    QPixmap picture(10, 10);
    picture.fill(Qt::red);
    button.SetGlyph(QIcon(picture));
    button.setText(QStringLiteral("OK"));
    const auto firstRedColumn = [&button] {
        const QImage shot = button.grab().toImage();
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixelColor(x, shot.height() / 2) == QColor(Qt::red)) return x;
        }
        return -1;
    };
    button.SetMargin(5);
    EXPECT_EQ(firstRedColumn(), 5);
    button.SetMargin(-1);
    const int centred = firstRedColumn();
    const int total = 10 + 4 + button.fontMetrics().horizontalAdvance(QStringLiteral("OK"));
    EXPECT_NEAR(centred, (77 - total) / 2, 3);
}

}  // namespace
