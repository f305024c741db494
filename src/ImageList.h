#pragma once

#include <QIcon>
#include <QPixmap>
#include <vector>

// The main window's shared list of 16 by 16 images. Indexes 0 to 15 are the palette's colour
// squares; the glyphs after them serve the preview window's tool bar.
class ImageList
{
public:
    enum Index {
        Black = 0,
        Maroon,
        Green,
        Olive,
        Navy,
        Purple,
        Teal,
        Gray,
        Silver,
        Red,
        Lime,
        Yellow,
        Blue,
        Fuchsia,
        Aqua,
        White, // 15
        ZoomIn = 16,
        WholePage = 17,
        ZoomOut = 18,
        PageWidth = 19,
        Printer = 20,
        PrinterSetup = 21,
        Exit = 22,
    };
    static constexpr int kCount = 23;
    static constexpr int kSize = 16; // pixels, both ways

    ImageList();

    int count() const { return static_cast<int>(images_.size()); }
    const QPixmap &pixmap(int index) const { return images_.at(static_cast<std::size_t>(index)); }
    QIcon icon(int index) const { return QIcon(pixmap(index)); }

private:
    std::vector<QPixmap> images_;
};

// A glyph from the resources (":/glyphs/<name>.svg") drawn at size by size pixels, sharp on
// the primary screen.
QPixmap glyphPixmap(const QString &name, int size = ImageList::kSize);

// The program's icon: a compact disc.
QIcon programIcon();
