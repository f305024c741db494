#include "BitmapReader.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

// No picture within kMaxBitmapBytes needs a file larger than this (RLE at its worst takes two
// bytes per pixel of an 8-bit picture, i.e. half the decoded 32-bit size, plus row ends).
constexpr qint64 kMaxBitmapFileBytes = kMaxBitmapBytes + 16LL * 1024 * 1024;

[[noreturn]] void cannotOpen(const std::string &path)
{
    throw EFOpenError("Cannot open file " + path);
}

[[noreturn]] void notValid()
{
    throw EInvalidGraphic("Bitmap image is not valid");
}

[[noreturn]] void tooLarge(qint64 width, qint64 height)
{
    throw EBitmapTooLarge("Bitmap image is too large (" + std::to_string(width) + " \u00d7 "
                          + std::to_string(height) + " pixels)");
}

void checkPixelCount(qint64 width, qint64 height, qint64 maxBytes)
{
    // 4 bytes per decoded pixel; compared by division so that no product can overflow.
    if (width > 0 && height > 0 && width > maxBytes / 4 / height)
        tooLarge(width, height);
}

// Memory for a large picture and for the file it comes from, taken straight from the system
// in huge pages where it allows them: a 200 MB picture is then a few hundred page faults
// instead of a hundred thousand, which is most of the time its load takes. Small pictures
// use the ordinary heap.
constexpr qint64 kHugeBufferFrom = 8LL * 1024 * 1024;

void releaseMapping(void *info)
{
    const auto *mapping = static_cast<const std::pair<void *, size_t> *>(info);
    ::munmap(mapping->first, mapping->second);
    delete mapping;
}

// Anonymous memory of at least `bytes`, or null when the system gives none.
void *mapBuffer(size_t bytes)
{
    void *memory
        = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
#ifdef MADV_HUGEPAGE
    ::madvise(memory, bytes, MADV_HUGEPAGE);
#endif
    return memory;
}

// The bytes of a file, held in mapped memory that is released with the last copy of the
// returned array's data owner.
class FileBytes
{
public:
    explicit FileBytes(qint64 size)
        : size_(size_t(size))
        , memory_(size >= kHugeBufferFrom ? mapBuffer(size_) : nullptr)
    {
        if (!memory_)
            heap_.resize(qsizetype(size));
    }
    ~FileBytes()
    {
        if (memory_)
            ::munmap(memory_, size_);
    }
    FileBytes(const FileBytes &) = delete;
    FileBytes &operator=(const FileBytes &) = delete;

    char *data() { return memory_ ? static_cast<char *>(memory_) : heap_.data(); }
    // A view of the bytes, valid while this object lives.
    QByteArray view(qint64 length) const
    {
        return memory_ ? QByteArray::fromRawData(static_cast<const char *>(memory_), length)
                       : heap_.left(length);
    }

private:
    size_t size_;
    void *memory_;
    QByteArray heap_;
};

// An image of that size and format whose pixels live in huge pages, or a null image when it
// is small or the memory cannot be had (the decoder then allocates its own).
QImage preallocated(QSize size, QImage::Format format)
{
    if (!size.isValid() || format == QImage::Format_Invalid)
        return {};
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytesPerLine = (qint64(size.width()) * depth + 31) / 32 * 4;
    const qint64 bytes = bytesPerLine * size.height();
    if (bytes < kHugeBufferFrom || bytes > kMaxBitmapBytes)
        return {};
    void *memory = mapBuffer(size_t(bytes));
    if (!memory)
        return {};
    auto *mapping = new std::pair<void *, size_t>(memory, size_t(bytes));
    return QImage(static_cast<uchar *>(memory), size.width(), size.height(),
                  qsizetype(bytesPerLine), format, releaseMapping, mapping);
}

// Opens a regular file for reading. The type is checked on the path first, so that opening
// never touches a device or waits for a FIFO's writer, and again on the open descriptor, in
// case the path was replaced in between. Gives the file's size when opened.
qint64 openRegularFile(const std::string &path, QFile &file)
{
    if (path.empty())
        cannotOpen(path);
    const QByteArray native = QFile::encodeName(QString::fromStdString(path));
    struct stat info
    {
    };
    if (::stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        cannotOpen(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        cannotOpen(path);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        cannotOpen(path);
    }
    if (info.st_size > kMaxBitmapFileBytes)
        throw EBitmapTooLarge("Bitmap image is too large");
    return info.st_size;
}

// Reads up to `size` bytes from the start of the file. A file that grows while it is read is
// read as far as its size when opened; one that shrinks, as far as it goes.
std::unique_ptr<FileBytes> readBytes(QFile &file, qint64 size, const std::string &path,
                                     qint64 &length)
{
    auto bytes = std::make_unique<FileBytes>(size);
    length = 0;
    if (!file.seek(0))
        cannotOpen(path);
    while (length < size) {
        const qint64 got = file.read(bytes->data() + length, size - length);
        if (got < 0)
            cannotOpen(path);
        if (got == 0)
            break;
        length += got;
    }
    return bytes;
}

std::uint32_t u16(const QByteArray &d, qsizetype at)
{
    return static_cast<std::uint8_t>(d[at]) | static_cast<std::uint8_t>(d[at + 1]) << 8;
}

std::uint32_t u32(const QByteArray &d, qsizetype at)
{
    return u16(d, at) | u16(d, at + 2) << 16;
}

enum class BmpCompression { None, Rle8, Rle4 };

struct BmpLayout
{
    qint64 width = 0;
    qint64 height = 0; // rows, whatever the order they are stored in
    int bitCount = 0;
    BmpCompression compression = BmpCompression::None;
    qint64 dataOffset = 0;
};

// Reads the file and info headers (all little-endian). Only the layouts Qt decodes pass.
BmpLayout parseBmpHeaders(const QByteArray &d)
{
    constexpr qsizetype kFileHeader = 14;
    if (d.size() < kFileHeader + 12)
        notValid();
    BmpLayout l;
    l.dataOffset = u32(d, 10);
    const std::uint32_t infoSize = u32(d, 14);
    if (d.size() < kFileHeader + qint64(infoSize))
        notValid();
    std::uint32_t compression = 0;
    if (infoSize == 12) { // OS/2 1.x: unsigned 16-bit sizes, never compressed
        l.width = u16(d, 18);
        l.height = u16(d, 20);
        l.bitCount = int(u16(d, 24));
    } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64
               || infoSize == 108 || infoSize == 124) {
        l.width = static_cast<std::int32_t>(u32(d, 18));
        l.height = std::llabs(static_cast<std::int32_t>(u32(d, 22))); // negative: top-down
        l.bitCount = int(u16(d, 28));
        compression = u32(d, 30);
    } else {
        notValid();
    }
    if (l.width <= 0 || l.height <= 0 || l.dataOffset < kFileHeader + qint64(infoSize)
        || l.dataOffset > d.size())
        notValid();
    switch (l.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        notValid();
    }
    switch (compression) {
    case 0: // BI_RGB
    case 3: // BI_BITFIELDS
        l.compression = BmpCompression::None;
        break;
    case 1:
        l.compression = BmpCompression::Rle8;
        if (l.bitCount != 8)
            notValid();
        break;
    case 2:
        l.compression = BmpCompression::Rle4;
        if (l.bitCount != 4)
            notValid();
        break;
    default: // embedded JPEG or PNG and unknown kinds: nothing Qt decodes
        notValid();
    }
    return l;
}

// Uncompressed rows are padded to 4 bytes; all of them must be in the file. Qt itself would
// return a picture with the missing rows left blank.
void checkRowsPresent(const BmpLayout &l, qint64 fileSize)
{
    const qint64 stride = (l.width * l.bitCount + 31) / 32 * 4;
    const qint64 available = fileSize - l.dataOffset;
    if (l.height > available / stride)
        notValid();
}

// Walks the run-length codes up to the end-of-bitmap mark (or past the last row) without
// decoding, so that a stream cut short is refused instead of decoded into a partial picture.
void checkRunLengthComplete(const BmpLayout &l, const QByteArray &d)
{
    qsizetype at = l.dataOffset;
    qint64 row = 0;
    const auto need = [&](qsizetype bytes) {
        if (d.size() - at < bytes)
            notValid();
    };
    while (row < l.height) {
        need(2);
        const int count = static_cast<std::uint8_t>(d[at]);
        const int code = static_cast<std::uint8_t>(d[at + 1]);
        at += 2;
        if (count > 0)
            continue; // a run of one value
        if (code == 0) { // end of row
            ++row;
        } else if (code == 1) { // end of bitmap
            return;
        } else if (code == 2) { // move right and down
            need(2);
            row += static_cast<std::uint8_t>(d[at + 1]);
            at += 2;
        } else { // literal pixels, padded to a 16-bit boundary
            qsizetype bytes = l.compression == BmpCompression::Rle8 ? code : (code + 1) / 2;
            bytes += bytes & 1;
            need(bytes);
            at += bytes;
        }
    }
}

QImage decode(QIODevice &device, const char *format, qint64 maxBytes)
{
    // Qt refuses on its own any picture over its allocation limit (128 MB by default); the
    // size checks here come first, so the limit is set to ours.
    static std::once_flag limitSet; // pictures may be read on a worker thread
    std::call_once(
        limitSet, [] { QImageReader::setAllocationLimit(int(kMaxBitmapBytes / (1024LL * 1024))); });
    QImageReader reader(&device, format);
    const QSize size = reader.size();
    if (size.isValid())
        checkPixelCount(size.width(), size.height(), maxBytes);
    // The decoder fills an image of the right size and format in place.
    QImage image = preallocated(size, reader.imageFormat());
    if (!reader.read(&image))
        return {};
    return image;
}

QImage decodeBytes(const QByteArray &data, const char *format, qint64 maxBytes)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, format, maxBytes);
}

// A large uncompressed Windows bitmap is decoded straight from the file, without a copy of
// the file in memory: its headers and its size say all the checks need. Null when the file is
// of another kind, or its headers do not lie within their first bytes.
std::shared_ptr<const ImagePicture> streamedBitmap(QFile &file, qint64 size)
{
    constexpr qint64 kHeaderBytes = qint64 {64} * 1024;
    if (size < kHugeBufferFrom)
        return nullptr;
    const QByteArray head = file.read(kHeaderBytes);
    if (!head.startsWith("BM"))
        return nullptr;
    BmpLayout layout;
    try {
        layout = parseBmpHeaders(head);
    } catch (const EInvalidGraphic &) {
        return nullptr; // judged on the whole file
    }
    if (layout.compression != BmpCompression::None)
        return nullptr;
    checkRowsPresent(layout, size);
    checkPixelCount(layout.width, layout.height, kMaxBitmapBytes);
    if (!file.seek(0))
        notValid();
    QImage image = decode(file, "bmp", kMaxBitmapBytes);
    if (image.isNull())
        notValid();
    return std::make_shared<const ImagePicture>(std::move(image));
}

// What identifies the content of a file without reading it.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified {};

    static FileIdentity of(const std::string &path)
    {
        FileIdentity id;
        struct stat info
        {
        };
        if (::stat(QFile::encodeName(QString::fromStdString(path)).constData(), &info) == 0
            && S_ISREG(info.st_mode)) {
            id.device = info.st_dev;
            id.inode = info.st_ino;
            id.size = info.st_size;
            id.modified = info.st_mtim;
        }
        return id;
    }
    bool known() const { return size >= 0; }
    bool operator==(const FileIdentity &o) const
    {
        return device == o.device && inode == o.inode && size == o.size
            && modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

struct Prefetch
{
    FileIdentity before; // the file when the read started
    FileIdentity after; // and when it ended; a file changed in between is read again
    std::shared_ptr<const ImagePicture> picture;
    std::exception_ptr error;
    std::thread worker;
};

std::mutex prefetchMutex;
std::unique_ptr<Prefetch> prefetchSlot;

std::shared_ptr<const ImagePicture> readWithoutPrefetch(const std::string &path);

// The prefetched picture of path, or null when there is none for this file. Rethrows the
// prefetch's error.
std::shared_ptr<const ImagePicture> takePrefetched(const std::string &path)
{
    std::unique_ptr<Prefetch> prefetch;
    {
        const std::lock_guard<std::mutex> lock(prefetchMutex);
        prefetch = std::move(prefetchSlot);
    }
    if (!prefetch)
        return nullptr;
    const FileIdentity now = FileIdentity::of(path);
    if (!now.known() || !(now == prefetch->before)) {
        prefetch->worker.join(); // another file: its result is dropped
        return nullptr;
    }
    prefetch->worker.join();
    if (!(prefetch->after == now))
        return nullptr;
    if (prefetch->error)
        std::rethrow_exception(prefetch->error);
    return prefetch->picture;
}

} // namespace

void prefetchBitmapFile(const std::string &path)
{
    endBitmapPrefetch();
    auto prefetch = std::make_unique<Prefetch>();
    prefetch->before = FileIdentity::of(path);
    if (!prefetch->before.known())
        return; // nothing to read ahead: the load reports the file as it finds it
    Prefetch *slot = prefetch.get();
    prefetch->worker = std::thread([slot, path] {
        try {
            slot->picture = readWithoutPrefetch(path);
        } catch (...) {
            slot->error = std::current_exception();
        }
        slot->after = FileIdentity::of(path);
    });
    const std::lock_guard<std::mutex> lock(prefetchMutex);
    prefetchSlot = std::move(prefetch);
}

void endBitmapPrefetch()
{
    std::unique_ptr<Prefetch> prefetch;
    {
        const std::lock_guard<std::mutex> lock(prefetchMutex);
        prefetch = std::move(prefetchSlot);
    }
    if (prefetch)
        prefetch->worker.join();
}

std::shared_ptr<const ImagePicture> readBitmapFile(const std::string &path)
{
    if (auto picture = takePrefetched(path))
        return picture;
    return readWithoutPrefetch(path);
}

namespace {

std::shared_ptr<const ImagePicture> readWithoutPrefetch(const std::string &path)
{
    QFile file;
    const qint64 size = openRegularFile(path, file);
    if (auto picture = streamedBitmap(file, size))
        return picture;
    qint64 length = 0;
    const std::unique_ptr<FileBytes> bytes = readBytes(file, size, path, length);
    return decodeBitmap(bytes->view(length));
}

} // namespace

std::shared_ptr<const ImagePicture> decodeBitmap(const QByteArray &data, long long maxBytes)
{
    QImage image;
    if (data.startsWith("BM")) {
        const BmpLayout layout = parseBmpHeaders(data);
        if (layout.compression == BmpCompression::None)
            checkRowsPresent(layout, data.size());
        checkPixelCount(layout.width, layout.height, maxBytes);
        if (layout.compression != BmpCompression::None)
            checkRunLengthComplete(layout, data);
        image = decodeBytes(data, "bmp", maxBytes);
    } else {
        image = decodeBytes(data, nullptr, maxBytes);
    }
    if (image.isNull())
        notValid();
    return std::make_shared<const ImagePicture>(std::move(image));
}
