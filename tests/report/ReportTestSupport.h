#pragma once

#include "LaidOutPage.h"
#include "PageLayout.h"
#include "QRElements.h"
#include "Unit2.h"

#include <QImage>
#include <QRect>
#include <QStringList>
#include <memory>
#include <vector>

// The composed and laid-out cut-out form of a design.
inline LaidOutPage composedPage(const DesignFields &design)
{
    TQuickReport2 form(&design);
    const std::shared_ptr<TQRPageSet> pages = form.run();
    return pages ? *pages->page(1) : LaidOutPage();
}

// One element alone on an A4 sheet.
inline LaidOutPage pageOf(const TQRElement &element)
{
    return layOutPage(QSizeF(210, 297), std::vector<const TQRElement *> {&element});
}

inline QStringList runTexts(const LaidOutPage &page, const QString &element)
{
    QStringList texts;
    for (const TextRun *run : page.textRuns(element))
        texts.append(run->text);
    return texts;
}

// The smallest rectangle of `area` holding every pixel darker than mid grey.
inline QRect inkBox(const QImage &image, const QRect &area)
{
    QRect box;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box = box.united(QRect(x, y, 1, 1));
        }
    }
    return box;
}

// A memo or label in Arial 10 with the given fitting options.
template<typename Element>
std::unique_ptr<Element> textElement(const QRectF &boxMm, bool wordWrap, bool italic = false)
{
    auto element = std::make_unique<Element>(QStringLiteral("Text"), boxMm);
    TQRFont font;
    font.italic = italic;
    element->setFont(font);
    element->setWordWrap(wordWrap);
    element->setTransparent(true);
    return element;
}
