#include "TURLLabel.h"
#include "Unit3.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        previous_ = TURLLabel::setOpener([this](const QString &a) { opened_.append(a); });
    }
    void TearDown() override { TURLLabel::setOpener(previous_); }

    // Presses and releases the left button at `at` and `releaseAt`, in the label's pixels.
    static void click(QWidget *label, QPoint at, QPoint releaseAt)
    {
        QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, at);
        QMouseEvent move(QEvent::MouseMove, releaseAt, label->mapToGlobal(releaseAt), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(label, &move);
        QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, releaseAt);
    }

    TAboutBox box_;
    QStringList opened_;
    TURLLabel::Opener previous_;
};

TEST_F(AboutBoxTest, FixedDialogWithTheProductTexts)
{
    EXPECT_EQ(box_.windowTitle(), "About");
    EXPECT_EQ(box_.size(), QSize(233, 280));
    EXPECT_EQ(box_.minimumSize(), box_.maximumSize());
    EXPECT_FALSE(box_.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(box_.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(box_.ProductName->text(), "CD Vennix Designer");
    EXPECT_TRUE(box_.ProductName->font().bold());
    EXPECT_EQ(box_.Version->text(), "Version 1.1");
    EXPECT_EQ(box_.Comments->text(), "\"It's so easy that even my boss can use it!\"");
    EXPECT_EQ(box_.Label1->text(), "");
    EXPECT_EQ(box_.Version->palette().color(QPalette::WindowText), QColor(0, 128, 128));
    EXPECT_EQ(box_.URLLabel1->toolTip(), "Go to Talmerin");
    EXPECT_EQ(box_.URLLabel2->toolTip(), "Go to IFRC");
    EXPECT_EQ(box_.URLLabel2->text(), "National Red Cross and Red Crescent Societies");
    EXPECT_EQ(box_.OKButton->geometry(), QRect(87, 252, 66, 25));
    EXPECT_TRUE(box_.OKButton->isDefault());
}

TEST_F(AboutBoxTest, EmblemIsACrossBesideACrescentOnGrey)
{
    const QImage emblem = TAboutBox::emblem();
    ASSERT_EQ(emblem.size(), QSize(23, 12));
    const QColor grey = emblem.pixelColor(0, 0);
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
    const auto isRed = [&](int x, int y) {
        const QColor c = emblem.pixelColor(x, y);
        return c.red() > 200 && c.green() < 80 && c.blue() < 80;
    };
    EXPECT_TRUE(isRed(5, 5)); // the cross's middle
    EXPECT_FALSE(isRed(1, 1)); // between its arms
    EXPECT_TRUE(isRed(13, 6)); // the crescent's back
    EXPECT_FALSE(isRed(19, 6)); // its hollow
    EXPECT_EQ(*box_.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32).bits(),
              *emblem.bits());
}

TEST_F(AboutBoxTest, LinksOpenTheirAddressesWhileTheBoxStaysOpen)
{
    box_.show();
    click(box_.URLLabel2, QPoint(20, 5), QPoint(20, 6));
    click(box_.URLLabel1, QPoint(100, 5), QPoint(100, 5));
    click(box_.URLLabel2, QPoint(20, 5), QPoint(400, 6)); // dragged off: nothing opens
    EXPECT_EQ(opened_,
              QStringList({QString::fromLatin1(TAboutBox::kNationalSocietiesDirectory),
                           QString::fromLatin1(TAboutBox::kHomePage)}));
    EXPECT_EQ(box_.URLLabel1->text(), QString::fromLatin1(TAboutBox::kHomePage));
    EXPECT_TRUE(box_.isVisible());
    EXPECT_EQ(box_.URLLabel2->currentColor(), clBlue);
}

struct KeyCase
{
    std::string name;
    Qt::Key key;
    bool closes;
};

class AboutBoxKeys : public AboutBoxTest, public testing::WithParamInterface<KeyCase>
{
};

TEST_P(AboutBoxKeys, OnlyOkClosesTheBox)
{
    // Twice, as the box is shown once per About and keeps nothing between showings.
    for (int showing = 0; showing < 2; ++showing) {
        box_.open();
        ASSERT_TRUE(box_.isVisible());
        EXPECT_EQ(box_.focusWidget(), box_.OKButton);
        QTest::keyClick(box_.focusWidget(), GetParam().key);
        EXPECT_EQ(!box_.isVisible(), GetParam().closes);
        if (GetParam().closes) {
            EXPECT_EQ(box_.result(), QDialog::Accepted);
        }
        box_.hide();
    }
}

INSTANTIATE_TEST_SUITE_P(AboutBox, AboutBoxKeys,
                         testing::Values(KeyCase {"enter_closes", Qt::Key_Return, true},
                                         KeyCase {"keypad_enter_closes", Qt::Key_Enter, true},
                                         KeyCase {"space_on_ok_closes", Qt::Key_Space, true},
                                         KeyCase {"escape_does_not_close", Qt::Key_Escape, false}),
                         [](const testing::TestParamInfo<KeyCase> &info) {
                             return info.param.name;
                         });

} // namespace
