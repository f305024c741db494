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

namespace {

// The preview window as the preview hook sees it.
class FakePreview : public CutOutFormPreview
{
public:
    explicit FakePreview(TQuickReport2 &form)
        : form_(form)
    {
    }
    void attachPageSet(std::shared_ptr<TQRPageSet> pages) override
    {
        calls.emplace_back("attach");
        attached = pages;
        completeWhenAttached = pages->complete();
        // A request that arrives while the preview waits for its window is ignored.
        nestedRun = form_.run() != nullptr;
    }
    void showPreviewWindow() override { calls.emplace_back("show"); }

    std::vector<std::string> calls;
    std::shared_ptr<TQRPageSet> attached;
    bool completeWhenAttached = true;
    bool nestedRun = true;

private:
    TQuickReport2 &form_;
};

TEST(PreviewRun, HookAttachesTheNewEmptyPageSetThenTheRunFillsIt)
{
    CaseDesign design;
    design.title = "Preview";
    TQuickReport2 form(&design);
    FakePreview preview(form);
    form.setPreview(&preview);

    ASSERT_TRUE(form.preview());
    EXPECT_EQ(preview.calls, (std::vector<std::string> {"attach", "show"}));
    EXPECT_FALSE(preview.completeWhenAttached);
    EXPECT_FALSE(preview.nestedRun);
    ASSERT_EQ(preview.attached, form.previewPages());
    EXPECT_TRUE(preview.attached->complete());
    ASSERT_EQ(preview.attached->pageCount(), 1);
    EXPECT_EQ(preview.attached->page(1)->textRuns(QStringLiteral("QRLabel1")).size(), 1u);
    EXPECT_FALSE(form.busy());

    // A second preview replaces the page set; the first one stays as it was.
    const std::shared_ptr<TQRPageSet> first = preview.attached;
    design.title = "Again";
    ASSERT_TRUE(form.preview());
    EXPECT_NE(preview.attached, first);
    EXPECT_EQ(first->page(1)->textRuns(QStringLiteral("QRLabel1"))[0]->text,
              QStringLiteral("Preview"));
}

TEST(PreviewRun, FailureEndsTheRunAndTheFormTakesTheNextRequest)
{
    TQuickReport2 form;
    form.setProcessEvents([] { throw std::runtime_error("out of paper"); });
    EXPECT_THROW(form.run(), std::runtime_error);
    EXPECT_FALSE(form.busy());
    form.setProcessEvents({});
    EXPECT_TRUE(form.run());
}

} // namespace
