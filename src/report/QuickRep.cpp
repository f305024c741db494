#include "QuickRep.h"

#include "PageLayout.h"
#include "PageOutput.h"

#include <utility>

QSizeF TQRPageSettings::sheetMm() const
{
    return orientation == QPageLayout::Landscape ? paperSizeMm.transposed() : paperSizeMm;
}

bool TQRPrinterSettings::includesPage(int number) const
{
    if (firstPage == 0 && lastPage == 0)
        return true;
    return number >= firstPage && number <= lastPage;
}

class TQuickRep::BusyScope
{
public:
    explicit BusyScope(bool &busy)
        : busy_(busy)
    {
        busy_ = true;
    }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool &busy_;
};

TQuickRep::TQuickRep() = default;
TQuickRep::~TQuickRep() = default;

void TQuickRep::setElements(std::vector<TQRElement *> declarationOrder,
                            std::vector<const TQRElement *> drawOrder)
{
    elements_ = std::move(declarationOrder);
    drawOrder_ = std::move(drawOrder);
}

bool TQuickRep::runInto(TQRPageSet &pages)
{
    bool printReport = true;
    if (beforePrint_)
        beforePrint_(*this, printReport);
    if (!printReport)
        return false;
    if (processEvents_)
        processEvents_();
    pages.addPage(layOutPage(page_.sheetMm(), drawOrder_));
    pages.setComplete();
    return true;
}

std::shared_ptr<TQRPageSet> TQuickRep::run()
{
    if (busy_)
        return nullptr;
    BusyScope scope(busy_);
    auto pages = std::make_shared<TQRPageSet>();
    if (!runInto(*pages))
        return nullptr;
    return pages;
}

bool TQuickRep::preview()
{
    if (busy_)
        return false;
    BusyScope scope(busy_);
    previewPages_ = std::make_shared<TQRPageSet>();
    if (onPreview_)
        onPreview_(previewPages_);
    if (processEvents_)
        processEvents_();
    runInto(*previewPages_);
    return true;
}

bool TQuickRep::print(QPagedPaintDevice &device, const PageCorrection &correction)
{
    if (busy_)
        return false;
    BusyScope scope(busy_);
    TQRPageSet pages;
    if (!runInto(pages))
        return false;
    paintPages(device, pages, correction,
               [this](int number) { return printer_.includesPage(number); });
    return true;
}
