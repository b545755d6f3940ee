#include <gtest/gtest.h>

#include <QTest>

#include "media/LinkLabel.h"

namespace {

class LinkLabelTest : public ::testing::Test {
protected:
    QStringList opened;
    bool openerSucceeds = true;
    QWidget window;
    LinkLabel* label = new LinkLabel(&window, [this](const QString& address) {
        opened << address;
        return openerSucceeds;
    });

    void SetUp() override {
        label->setGeometry(10, 10, 150, 15);
        label->setText(QStringLiteral("www.example.org"));
        label->SetLink(QStringLiteral("  https://www.example.org/torvik "));
        window.resize(200, 50);
        window.show();
    }

    QColor TextColour() const { return label->palette().color(label->foregroundRole()); }
};

TEST_F(LinkLabelTest, ClickOpensTheTrimmedLink) {
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{QStringLiteral("https://www.example.org/torvik")});
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2);
    EXPECT_TRUE(label->isEnabled());
}

TEST_F(LinkLabelTest, PressTurnsItFromBlueToPurpleForGood) {
    EXPECT_EQ(TextColour(), QColor(0, 0, 255));
    QTest::mousePress(label, Qt::LeftButton);
    EXPECT_EQ(TextColour(), QColor(128, 0, 128));
    // Let go outside: not a click, so nothing opens, but it stays purple.
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    EXPECT_TRUE(opened.isEmpty());
    window.hide();
    window.show();
    EXPECT_TRUE(label->IsVisited());
    EXPECT_EQ(TextColour(), QColor(128, 0, 128));
}

TEST_F(LinkLabelTest, OtherButtonsNeitherColourNorOpen) {
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_FALSE(label->IsVisited());
    EXPECT_EQ(TextColour(), QColor(0, 0, 255));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(LinkLabelTest, FailedOpenDisablesTheLinkForGood) {
    openerSucceeds = false;
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_FALSE(label->isEnabled());
    EXPECT_FALSE(label->IsLinkEnabled());
    openerSucceeds = true;
    QTest::mouseClick(label, Qt::LeftButton);
    label->Jump();
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(LinkLabelTest, JumpWorksWithoutAClickOnAHiddenLabel) {
    // The banner's link is never shown; the banner runs the jump itself.
    label->hide();
    label->Jump();
    EXPECT_EQ(opened.size(), 1);
    EXPECT_FALSE(label->IsVisited());
}

}  // namespace
