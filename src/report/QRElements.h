#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

// The elements a report form stands on its page. Every box is in millimetres from the
// top-left corner of the sheet (x to the right, y downwards); margins neither move nor clip.

// Horizontal alignment with the values the old report engine stored (left 0, right 1,
// centre 2).
enum class TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// Windows character-set codes the elements carry with their font. Only the symbol set
// changes how a text is drawn: its characters are codes of a symbol font.
inline constexpr int kAnsiCharset = 0;
inline constexpr int kDefaultCharset = 1;
inline constexpr int kSymbolCharset = 2;

struct TQRFont
{
    QString name = QStringLiteral("Arial");
    int size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int charset = kDefaultCharset;
    QColor color = Qt::black; // an invalid colour draws no text

    bool operator==(const TQRFont &) const = default;
};

class TQRElement
{
public:
    TQRElement(QString name, const QRectF &boxMm);
    virtual ~TQRElement();
    TQRElement(const TQRElement &) = delete;
    TQRElement &operator=(const TQRElement &) = delete;

    const QString &name() const { return name_; }
    // left, top, width, height in millimetres
    const QRectF &box() const { return box_; }
    void setBox(const QRectF &boxMm) { box_ = boxMm; }
    // A disabled element is not drawn.
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

private:
    QString name_;
    QRectF box_;
    bool enabled_ = true;
};

// A rectangle: filled with its brush, then outlined with a black pen one device dot wide.
class TQRShape : public TQRElement
{
public:
    using TQRElement::TQRElement;

    // The solid fill colour, or an invalid colour for a clear brush.
    const QColor &fillColor() const { return fill_; }
    bool filled() const { return solid_; }
    // Setting a colour always makes the fill solid, also for a clear brush. A solid fill of an
    // invalid colour paints nothing.
    void setFillColor(const QColor &color);
    void setClearFill();

    bool outlined() const { return pen_; }
    void setOutlined(bool on) { pen_ = on; }

private:
    QColor fill_;
    bool solid_ = false;
    bool pen_ = true;
};

// What labels and memos share: font, alignment and the fitting options.
class TQRCustomLabel : public TQRElement
{
public:
    using TQRElement::TQRElement;

    const TQRFont &font() const { return font_; }
    // Name, size, style flags, character set and colour at once. The size is clamped to
    // kMinFontPoints..kMaxFontPoints: no printer prints a font outside that range.
    void setFont(const TQRFont &font);
    // The text colour alone.
    void setColor(const QColor &color) { font_.color = color; }

    TAlignment alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment) { alignment_ = alignment; }
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool on) { wordWrap_ = on; }
    // An auto-sized element does not fit its text to the box: the box takes the text's width.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on) { autoSize_ = on; }
    // A transparent element draws its text alone; otherwise its box is first filled white.
    bool transparent() const { return transparent_; }
    void setTransparent(bool on) { transparent_ = on; }

    // The element's text lines before layout; each is broken further at carriage returns.
    virtual QStringList sourceLines() const = 0;

private:
    TQRFont font_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    bool autoSize_ = false;
    bool transparent_ = false;
};

// A single text. Carriage returns in it break lines; line feeds are ignored.
class TQRLabel : public TQRCustomLabel
{
public:
    using TQRCustomLabel::TQRCustomLabel;

    const QString &caption() const { return caption_; }
    void setText(const QString &text) { caption_ = text; }
    QStringList sourceLines() const override { return {caption_}; }

private:
    QString caption_;
};

// A list of lines, each broken further at carriage returns.
class TQRMemo : public TQRCustomLabel
{
public:
    using TQRCustomLabel::TQRCustomLabel;

    const QStringList &lines() const { return lines_; }
    // Replaces the lines with a copy of another list.
    void setLines(const QStringList &lines) { lines_ = lines; }
    // The top stays where it is.
    void setHeight(double mm);
    QStringList sourceLines() const override { return lines_; }

private:
    QStringList lines_;
};

// A picture stretched over its whole box, width and height independently, without smoothing.
class TQRImage : public TQRElement
{
public:
    using TQRElement::TQRElement;

    const QImage &picture() const { return picture_; }
    // A copy of the picture (a null image clears it).
    void setPicture(const QImage &picture) { picture_ = picture; }
    void clearPicture() { picture_ = QImage(); }

private:
    QImage picture_;
};
