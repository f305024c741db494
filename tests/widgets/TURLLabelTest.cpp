#include "TURLLabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

enum class Step {
    Enter,
    Leave,
    PressInside,
    MoveOutside,
    MoveInside,
    ReleaseInside,
    ReleaseOutside
};

struct LinkCase
{
    std::string name;
    QString url;
    std::vector<Step> steps;
    TColor expectedColor;
    QStringList expectedOpened;
};

// Distinct colours, so every state shows which one the label took.
constexpr TColor kNormal = clBlue;
constexpr TColor kMoveOver = clGreen;
constexpr TColor kClick = clRed;

class LinkLabelSteps : public testing::TestWithParam<LinkCase>
{
protected:
    void SetUp() override
    {
        previous_ = TURLLabel::setOpener([this](const QString &a) { opened_.append(a); });
        label_.setText(QStringLiteral("National Red Cross and Red Crescent Societies"));
        label_.resize(115, 26);
        label_.ColorNormal = kNormal;
        label_.ColorMoveOver = kMoveOver;
        label_.ColorClick = kClick;
    }
    void TearDown() override { TURLLabel::setOpener(previous_); }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, at, label_.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&label_, &e);
    }

    void run(Step step)
    {
        const QPoint inside(10, 10);
        const QPoint outside(300, 10);
        switch (step) {
        case Step::Enter: {
            QEnterEvent e(inside, inside, label_.mapToGlobal(inside));
            QApplication::sendEvent(&label_, &e);
            break;
        }
        case Step::Leave: {
            QEvent e(QEvent::Leave);
            QApplication::sendEvent(&label_, &e);
            break;
        }
        case Step::PressInside:
            mouse(QEvent::MouseButtonPress, inside, Qt::LeftButton);
            break;
        case Step::MoveOutside:
            mouse(QEvent::MouseMove, outside, Qt::LeftButton);
            break;
        case Step::MoveInside:
            mouse(QEvent::MouseMove, inside, Qt::LeftButton);
            break;
        case Step::ReleaseInside:
            mouse(QEvent::MouseButtonRelease, inside, Qt::NoButton);
            break;
        case Step::ReleaseOutside:
            mouse(QEvent::MouseButtonRelease, outside, Qt::NoButton);
            break;
        }
    }

    TURLLabel label_;
    QStringList opened_;
    TURLLabel::Opener previous_;
};

TEST_P(LinkLabelSteps, ShowsColourAndOpens)
{
    const LinkCase &c = GetParam();
    label_.URL = c.url;
    for (Step step : c.steps)
        run(step);
    EXPECT_EQ(label_.currentColor(), c.expectedColor);
    EXPECT_EQ(opened_, c.expectedOpened);
}

const QString kAddress = QStringLiteral("https://www.ifrc.org/national-societies-directory");

INSTANTIATE_TEST_SUITE_P(
    TURLLabel, LinkLabelSteps,
    testing::Values(
        LinkCase {"at_rest_normal", kAddress, {}, kNormal, {}},
        LinkCase {"pointer_over_move_over", kAddress, {Step::Enter}, kMoveOver, {}},
        LinkCase {"pointer_gone_normal", kAddress, {Step::Enter, Step::Leave}, kNormal, {}},
        LinkCase {"pressed_click", kAddress, {Step::Enter, Step::PressInside}, kClick, {}},
        LinkCase {"released_inside_opens_url",
                  kAddress,
                  {Step::Enter, Step::PressInside, Step::ReleaseInside},
                  kMoveOver,
                  {kAddress}},
        LinkCase {"dragged_off_while_pressed_normal",
                  kAddress,
                  {Step::Enter, Step::PressInside, Step::MoveOutside},
                  kNormal,
                  {}},
        LinkCase {"dragged_off_and_back_click_again",
                  kAddress,
                  {Step::Enter, Step::PressInside, Step::MoveOutside, Step::MoveInside},
                  kClick,
                  {}},
        LinkCase {"released_outside_opens_nothing",
                  kAddress,
                  {Step::Enter, Step::PressInside, Step::MoveOutside, Step::ReleaseOutside},
                  kNormal,
                  {}},
        LinkCase {"release_without_press_opens_nothing",
                  kAddress,
                  {Step::Enter, Step::ReleaseInside},
                  kMoveOver,
                  {}},
        LinkCase {"empty_url_opens_caption",
                  QString(),
                  {Step::Enter, Step::PressInside, Step::ReleaseInside},
                  kMoveOver,
                  {QStringLiteral("National Red Cross and Red Crescent Societies")}}),
    [](const testing::TestParamInfo<LinkCase> &info) { return info.param.name; });

TEST(TURLLabelLook, DefaultsAreBlueUnderlinedAndRedWhenClicked)
{
    TURLLabel label;
    EXPECT_EQ(label.ColorNormal, clBlue);
    EXPECT_EQ(label.ColorMoveOver, clBlue);
    EXPECT_EQ(label.ColorClick, clRed);
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

} // namespace
