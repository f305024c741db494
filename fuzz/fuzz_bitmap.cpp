// libFuzzer target: the bitmap reader on any bytes, as the image page and the report call it.
// A read ends with a picture of the size the file declares, or with the reader's own error.
// The decode budget is kept small so that each run stays fast; the header and size checks are
// the same ones the program's larger budget goes through.
#include "BitmapReader.h"

#include <QByteArray>
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr long long kFuzzBudget = 16LL * 1024 * 1024;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv); // image plug-ins are found through the application
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const auto picture = decodeBitmap(bytes, kFuzzBudget);
        if (!picture || picture->image().isNull() || picture->width() <= 0 || picture->height() <= 0
            || picture->image().width() != picture->width())
            std::abort();
    } catch (const EInvalidGraphic &) {
    } catch (const EBitmapTooLarge &) {
    }
    return 0;
}
