#include "LaidOutPage.h"

#include <utility>

std::vector<const TextRun *> LaidOutPage::textRuns(const QString &element) const
{
    std::vector<const TextRun *> runs;
    for (const PageItem &item : items) {
        if (const auto *run = std::get_if<TextRun>(&item); run && run->element == element)
            runs.push_back(run);
    }
    return runs;
}

const FilledBox *LaidOutPage::filledBox(const QString &element) const
{
    for (const PageItem &item : items) {
        if (const auto *box = std::get_if<FilledBox>(&item); box && box->element == element)
            return box;
    }
    return nullptr;
}

const PictureBox *LaidOutPage::pictureBox(const QString &element) const
{
    for (const PageItem &item : items) {
        if (const auto *box = std::get_if<PictureBox>(&item); box && box->element == element)
            return box;
    }
    return nullptr;
}

const LaidOutPage *TQRPageSet::page(int number) const
{
    if (number < 1 || number > pageCount())
        return nullptr;
    return &pages_[static_cast<std::size_t>(number - 1)];
}

void TQRPageSet::addPage(LaidOutPage page)
{
    pages_.push_back(std::move(page));
    if (changed_)
        changed_();
}

void TQRPageSet::setComplete()
{
    complete_ = true;
    if (changed_)
        changed_();
}
