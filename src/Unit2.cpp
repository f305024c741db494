#include "Unit2.h"

#include "ImagePicture.h"
#include "ReportColor.h"

TQuickReport2 *QuickReport2 = nullptr;

namespace {

// Memo heights beside a picture and without one.
constexpr double kMemoHeightWithPictureMm = 42.0;
constexpr double kMemoHeightMm = 93.0;

const QColor kWindowText = colorFromTColor(clWindowText);

TQRFont arial(int size, bool bold, bool italic, int charset, const QColor &color)
{
    return TQRFont {QStringLiteral("Arial"), size, bold, italic, false, false, charset, color};
}

TAlignment toAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Left:
        return TAlignment::taLeftJustify;
    case TextAlignment::Right:
        return TAlignment::taRightJustify;
    case TextAlignment::Center:
        break;
    }
    return TAlignment::taCenter;
}

TQRFont fontOf(const TextStyle &style)
{
    return TQRFont {QString::fromStdString(style.fontName),
                    style.size,
                    style.bold,
                    style.italic,
                    style.underline,
                    style.strikeout,
                    style.charset,
                    colorFromTColor(style.color)};
}

QStringList linesOf(const std::vector<std::string> &lines)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines)
        list.append(QString::fromStdString(line));
    return list;
}

void setUpText(TQRCustomLabel &label, const TQRFont &font, TAlignment alignment, bool wordWrap,
               bool autoSize, bool transparent)
{
    label.setFont(font);
    label.setAlignment(alignment);
    label.setWordWrap(wordWrap);
    label.setAutoSize(autoSize);
    label.setTransparent(transparent);
}

void setUpMark(TQRLabel &mark, char16_t code)
{
    const TQRFont wingdings {
        QStringLiteral("Wingdings"), 14, false, false, false, false, kSymbolCharset, kWindowText};
    setUpText(mark, wingdings, TAlignment::taLeftJustify, true, true, false);
    mark.setText(QString(QChar(code)));
}

void placePicture(TQRImage &image, bool on, const Picture *picture)
{
    image.setEnabled(on);
    if (on)
        image.setPicture(ImagePicture::imageOf(picture));
    else
        image.clearPicture();
}

} // namespace

QString sideText(const QString &title)
{
    QString text;
    text.reserve(title.size() * 2);
    for (qsizetype i = 0; i < title.size(); ++i) {
        text += title[i];
        if (title[i].isHighSurrogate() && i + 1 < title.size() && title[i + 1].isLowSurrogate())
            text += title[++i];
        text += QChar(13);
    }
    return text;
}

TQuickReport2::TQuickReport2(const DesignFields *design)
    : QRShape1(QStringLiteral("QRShape1"), QRectF(30.00, 20.00, 120.00, 120.00))
    , QRShape2(QStringLiteral("QRShape2"), QRectF(36.00, 150.00, 138.00, 117.00))
    , QRLabel1(QStringLiteral("QRLabel1"), QRectF(31.75, 23.81, 116.75, 10.91))
    , QRMemo1(QStringLiteral("QRMemo1"), QRectF(31.75, 42.00, 116.75, 93.00))
    , QRShape3(QStringLiteral("QRShape3"), QRectF(30.00, 150.00, 6.00, 117.00))
    , QRLabel2(QStringLiteral("QRLabel2"), QRectF(37.04, 153.79, 135.27, 8.27))
    , QRShape4(QStringLiteral("QRShape4"), QRectF(174.00, 150.00, 6.00, 117.00))
    , QRMemo2(QStringLiteral("QRMemo2"), QRectF(37.04, 167.02, 135.27, 92.93))
    , QRLabel3(QStringLiteral("QRLabel3"), QRectF(21.83, 16.21, 6.95, 5.62))
    , QRLabel4(QStringLiteral("QRLabel4"), QRectF(19.51, 145.52, 6.95, 5.62))
    , QRLabel5(QStringLiteral("QRLabel5"), QRectF(34.07, 268.88, 4.63, 7.28))
    , QRLabel6(QStringLiteral("QRLabel6"), QRectF(172.97, 268.88, 4.63, 7.28))
    , QRLabel7(QStringLiteral("QRLabel7"), QRectF(73.09, 10.58, 123.03, 6.61))
    , QRLabel8(QStringLiteral("QRLabel8"), QRectF(29.00, 151.80, 8.27, 112.78))
    , QRLabel9(QStringLiteral("QRLabel9"), QRectF(173.00, 152.14, 8.27, 112.45))
    , QRMemo3(QStringLiteral("QRMemo3"), QRectF(153.46, 21.17, 42.66, 18.85))
    , QRImage1(QStringLiteral("QRImage1"), QRectF(68.79, 90.00, 45.00, 45.00))
    , QRImage2(QStringLiteral("QRImage2"), QRectF(82.02, 215.00, 44.98, 44.98))
    , design_(design)
{
    setElements({&QRShape1, &QRShape2, &QRLabel1, &QRMemo1, &QRShape3, &QRLabel2, &QRShape4,
                 &QRMemo2, &QRLabel3, &QRLabel4, &QRLabel5, &QRLabel6, &QRLabel7, &QRLabel8,
                 &QRLabel9, &QRMemo3, &QRImage1, &QRImage2},
                {&QRShape1, &QRShape2, &QRLabel1, &QRMemo1, &QRLabel2, &QRMemo2, &QRShape3,
                 &QRShape4, &QRLabel3, &QRLabel4, &QRLabel5, &QRLabel6, &QRLabel7, &QRLabel8,
                 &QRLabel9, &QRMemo3, &QRImage1, &QRImage2});

    QRShape1.setClearFill();
    QRShape2.setFillColor(Qt::white);
    QRShape3.setFillColor(Qt::black);
    QRShape3.setOutlined(false);
    QRShape4.setFillColor(Qt::black);
    QRShape4.setOutlined(false);

    setUpText(QRLabel1, arial(18, true, false, kAnsiCharset, Qt::black), TAlignment::taCenter,
              false, false, true);
    QRLabel1.setText(QStringLiteral("Title"));
    setUpText(QRMemo1, arial(10, true, false, kDefaultCharset, kWindowText), TAlignment::taCenter,
              true, false, true);
    setUpText(QRLabel2, arial(18, true, false, kAnsiCharset, kWindowText), TAlignment::taCenter,
              false, false, true);
    QRLabel2.setText(QStringLiteral("QRLabel2"));
    setUpText(QRMemo2, arial(10, true, false, kDefaultCharset, kWindowText), TAlignment::taCenter,
              true, false, true);

    setUpMark(QRLabel3, 0x23); // scissors
    setUpMark(QRLabel4, 0x23);
    setUpMark(QRLabel5, 0xC3); // bent arrow, down then left
    setUpMark(QRLabel6, 0xC4); // bent arrow, down then right

    setUpText(QRLabel7, arial(16, true, false, kAnsiCharset, kWindowText),
              TAlignment::taRightJustify, false, false, false);
    QRLabel7.setText(QStringLiteral("CD Vennix Designer cut out form."));
    for (TQRLabel *side : {&QRLabel8, &QRLabel9}) {
        setUpText(*side, arial(10, true, false, kDefaultCharset, Qt::white), TAlignment::taCenter,
                  false, false, true);
        side->setText(side->name());
    }
    setUpText(QRMemo3, arial(8, false, true, kDefaultCharset, kWindowText),
              TAlignment::taRightJustify, true, false, false);
    QRMemo3.setLines({QStringLiteral("I'm using CD Vennix Designer."), QString()});

    QRImage1.setEnabled(false);
    QRImage2.setEnabled(false);

    setBeforePrint([this](TQuickRep &sender, bool &printReport) {
        QuickReport2BeforePrint(sender, printReport);
    });
    setOnPreview([this](const std::shared_ptr<TQRPageSet> &pages) { QuickReport2Preview(pages); });
}

void TQuickReport2::QuickReport2BeforePrint(TQuickRep &sender, bool &printReport)
{
    (void)sender;
    (void)printReport;
    const DesignFields startUp;
    const DesignFields &design = design_ ? *design_ : startUp;
    const QString title = QString::fromStdString(design.title);

    QRLabel1.setText(title);
    QRMemo1.setLines(linesOf(design.contents));
    QRLabel2.setText(title);
    QRMemo2.setLines(QRMemo1.lines());
    const QString side = sideText(title);
    QRLabel8.setText(side);
    QRLabel9.setText(side);

    const TextStyle &folderTitle = design.style(TextSlot::FolderTitle);
    const TextStyle &folderContents = design.style(TextSlot::FolderContents);
    const TextStyle &caseTitle = design.style(TextSlot::CaseTitle);
    const TextStyle &caseContents = design.style(TextSlot::CaseContents);
    QRLabel1.setFont(fontOf(folderTitle));
    QRLabel1.setAlignment(toAlignment(folderTitle.alignment));
    QRLabel2.setFont(fontOf(caseTitle));
    QRLabel2.setAlignment(toAlignment(caseTitle.alignment));
    QRMemo1.setFont(fontOf(folderContents));
    QRMemo1.setAlignment(toAlignment(folderContents.alignment));
    QRMemo2.setFont(fontOf(caseContents));
    QRMemo2.setAlignment(toAlignment(caseContents.alignment));

    QRShape1.setFillColor(colorFromTColor(design.folderBackground));
    QRShape2.setFillColor(colorFromTColor(design.caseBackground));
    QRShape3.setFillColor(colorFromTColor(design.sideBackground));
    QRShape4.setFillColor(colorFromTColor(design.sideBackground));

    QRLabel1.setColor(colorFromTColor(folderTitle.color));
    QRMemo1.setColor(colorFromTColor(folderContents.color));
    QRLabel2.setColor(colorFromTColor(caseTitle.color));
    QRMemo2.setColor(colorFromTColor(caseContents.color));
    QRLabel8.setColor(colorFromTColor(design.sideTitleColor));
    QRLabel9.setColor(colorFromTColor(design.sideTitleColor));

    const ImagePlacement placement = design.imagePlacement;
    const bool onFolder
        = placement == ImagePlacement::FolderOnly || placement == ImagePlacement::Both;
    const bool onCase = placement == ImagePlacement::CaseOnly || placement == ImagePlacement::Both;
    placePicture(QRImage1, onFolder, design.picture.get());
    QRMemo1.setHeight(onFolder ? kMemoHeightWithPictureMm : kMemoHeightMm);
    placePicture(QRImage2, onCase, design.picture.get());
    QRMemo2.setHeight(onCase ? kMemoHeightWithPictureMm : kMemoHeightMm);
}

void TQuickReport2::QuickReport2Preview(const std::shared_ptr<TQRPageSet> &sender)
{
    if (!preview_)
        return;
    preview_->attachPageSet(sender);
    preview_->showPreviewWindow();
}
