#include "ImagePicture.h"
#include "Unit2.h"

#include <gtest/gtest.h>

namespace {

struct PlacementRow
{
    const char *name;
    ImagePlacement placement;
    bool folderPicture;
    bool casePicture;
    double folderMemoHeight;
    double caseMemoHeight;
};

class PicturePlacement : public testing::TestWithParam<PlacementRow>
{
};

TEST_P(PicturePlacement, EnablesPicturesAndSetsMemoHeights)
{
    const PlacementRow &row = GetParam();
    CaseDesign design;
    QImage wide(40, 10, QImage::Format_RGB32);
    wide.fill(Qt::red);
    design.picture = std::make_shared<ImagePicture>(wide);
    design.imagePlacement = row.placement;
    TQuickReport2 form(&design);
    ASSERT_TRUE(form.run());

    EXPECT_EQ(form.QRImage1.enabled(), row.folderPicture);
    EXPECT_EQ(form.QRImage2.enabled(), row.casePicture);
    EXPECT_EQ(form.QRImage1.picture().isNull(), !row.folderPicture);
    EXPECT_EQ(form.QRImage2.picture().isNull(), !row.casePicture);
    EXPECT_DOUBLE_EQ(form.QRMemo1.box().height(), row.folderMemoHeight);
    EXPECT_DOUBLE_EQ(form.QRMemo2.box().height(), row.caseMemoHeight);
    EXPECT_DOUBLE_EQ(form.QRMemo1.box().top(), 42.00);
    EXPECT_DOUBLE_EQ(form.QRMemo2.box().top(), 167.02);
    // The design's picture itself stays as it was.
    EXPECT_EQ(design.picture->width(), 40);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, PicturePlacement,
    testing::Values(PlacementRow {"None", ImagePlacement::None, false, false, 93, 93},
                    PlacementRow {"FolderOnly", ImagePlacement::FolderOnly, true, false, 42, 93},
                    PlacementRow {"CaseOnly", ImagePlacement::CaseOnly, false, true, 93, 42},
                    PlacementRow {"Both", ImagePlacement::Both, true, true, 42, 42}),
    [](const testing::TestParamInfo<PlacementRow> &info) { return std::string(info.param.name); });

TEST(Composition, SideTextStacksEveryCharacterWithCarriageReturn)
{
    EXPECT_EQ(sideText(QStringLiteral("AB")), QStringLiteral("A\rB\r"));
    EXPECT_EQ(sideText(QStringLiteral("A B")), QStringLiteral("A\r \rB\r"));
    EXPECT_EQ(sideText(QString()), QString());
    // A character outside the basic plane is one character, not two halves.
    EXPECT_EQ(sideText(QString::fromUtf8("\xF0\x9F\x8E\xB5")).size(), 3);
}

TEST(Composition, LaterRunShowsTheDesignOfItsMoment)
{
    CaseDesign design;
    design.title = "First";
    design.imagePlacement = ImagePlacement::FolderOnly;
    TQuickReport2 form(&design);
    ASSERT_TRUE(form.run());
    design.title = "Second";
    design.imagePlacement = ImagePlacement::None;
    const auto pages = form.run();
    ASSERT_TRUE(pages);
    EXPECT_EQ(form.QRLabel1.caption(), QStringLiteral("Second"));
    EXPECT_EQ(form.QRLabel2.caption(), QStringLiteral("Second"));
    EXPECT_EQ(form.QRLabel8.caption(), sideText(QStringLiteral("Second")));
    EXPECT_EQ(form.QRLabel9.caption(), sideText(QStringLiteral("Second")));
    EXPECT_FALSE(form.QRImage1.enabled());
    EXPECT_DOUBLE_EQ(form.QRMemo1.box().height(), 93);
}

} // namespace
