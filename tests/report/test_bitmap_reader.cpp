#include "BitmapReader.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QByteArray le16(int v)
{
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(quint16(v), b.data());
    return b;
}

QByteArray le32(qint64 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(quint32(v), b.data());
    return b;
}

// A bitmap with a 40-byte info header, written byte by byte so that every field can lie.
QByteArray bmp(qint64 width, qint64 height, int bitCount, int compression,
               const QByteArray &palette, const QByteArray &pixels)
{
    const qint64 offset = 14 + 40 + palette.size();
    QByteArray info = le32(40) + le32(width) + le32(height) + le16(1) + le16(bitCount)
        + le32(compression) + le32(pixels.size()) + le32(2835) + le32(2835)
        + le32(palette.size() / 4) + le32(0);
    return "BM" + le32(offset + pixels.size()) + le32(0) + le32(offset) + info + palette + pixels;
}

QByteArray greyPalette(int entries)
{
    QByteArray p;
    for (int i = 0; i < entries; ++i) {
        const char v = char(i * 255 / (entries - 1));
        p += QByteArray(3, v) + QByteArray(1, '\0');
    }
    return p;
}

QByteArray savedBy(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QImage filled(int w, int h, QImage::Format format)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    return image.convertToFormat(format);
}

// 4 x 2, 8 bits per pixel, run-length coded: a run of 4, end of row, 4 literals, end of bitmap.
QByteArray rle8Codes()
{
    return QByteArray("\x04\x01\x00\x00\x00\x04\x01\x02\x03\x04\x00\x00\x00\x01", 14);
}

enum class Outcome { Picture, NotValid, TooLarge };

struct ContentCase
{
    const char *name;
    std::function<QByteArray()> bytes;
    Outcome outcome;
    int width = 0;
    int height = 0;
};

class BitmapContent : public testing::TestWithParam<ContentCase>
{
protected:
    QTemporaryDir dir;
    std::string write(const QByteArray &bytes, const QString &name = "picture.bmp")
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName().toStdString();
    }
};

TEST_P(BitmapContent, LoadsOrRefuses)
{
    const ContentCase &c = GetParam();
    const std::string path = write(c.bytes());
    switch (c.outcome) {
    case Outcome::Picture: {
        const auto picture = readBitmapFile(path);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width(), c.width);
        EXPECT_EQ(picture->height(), c.height);
        EXPECT_EQ(picture->image().size(), QSize(c.width, c.height));
        break;
    }
    case Outcome::NotValid:
        try {
            readBitmapFile(path);
            FAIL() << "loaded";
        } catch (const EInvalidGraphic &e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid");
        }
        break;
    case Outcome::TooLarge:
        try {
            readBitmapFile(path);
            FAIL() << "loaded";
        } catch (const EBitmapTooLarge &e) {
            EXPECT_EQ(std::string(e.what()).rfind("Bitmap image is too large", 0), 0u) << e.what();
        }
        break;
    }
}

const QByteArray kTrueColour = savedBy(filled(200, 100, QImage::Format_RGB32));

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, BitmapContent,
    testing::Values(
        ContentCase {"true_colour_200x100", [] { return kTrueColour; }, Outcome::Picture, 200, 100},
        ContentCase {"palette_8bit", [] { return savedBy(filled(7, 5, QImage::Format_Indexed8)); },
                     Outcome::Picture, 7, 5},
        ContentCase {"mono_1bit", [] { return savedBy(filled(9, 3, QImage::Format_Mono)); },
                     Outcome::Picture, 9, 3},
        ContentCase {"palette_4bit_top_down",
                     [] { return bmp(3, -2, 4, 0, greyPalette(16), QByteArray(8, '\x12')); },
                     Outcome::Picture, 3, 2},
        ContentCase {"rgb555_16bit", [] { return bmp(2, 2, 16, 0, {}, QByteArray(8, '\x1f')); },
                     Outcome::Picture, 2, 2},
        ContentCase {"rgb_32bit", [] { return bmp(2, 2, 32, 0, {}, QByteArray(16, '\x40')); },
                     Outcome::Picture, 2, 2},
        ContentCase {
            "rle4",
            [] { return bmp(4, 1, 4, 2, greyPalette(16), QByteArray("\x04\x12\x00\x01", 4)); },
            Outcome::Picture, 4, 1},
        ContentCase {"rle8", [] { return bmp(4, 2, 8, 1, greyPalette(256), rle8Codes()); },
                     Outcome::Picture, 4, 2},
        ContentCase {"os2_core_header",
                     [] {
                         // 2 x 2 at 8 bits, rows padded to 4
                         const QByteArray pixels(8, '\x7f');
                         QByteArray palette;
                         for (int i = 0; i < 256; ++i)
                             palette += QByteArray(3, char(i));
                         const qint64 offset = 14 + 12 + palette.size();
                         return "BM" + le32(offset + pixels.size()) + le32(0) + le32(offset)
                             + le32(12) + le16(2) + le16(2) + le16(1) + le16(8) + palette + pixels;
                     },
                     Outcome::Picture, 2, 2},
        ContentCase {"truncated_by_one_byte", [] { return kTrueColour.chopped(1); },
                     Outcome::NotValid},
        ContentCase {"truncated_rle8",
                     [] { return bmp(4, 2, 8, 1, greyPalette(256), rle8Codes().left(8)); },
                     Outcome::NotValid},
        ContentCase {"giant_header_uncompressed",
                     [] { return bmp(100000, 100000, 24, 0, {}, QByteArray(64, '\0')); },
                     Outcome::NotValid},
        ContentCase {"giant_header_rle8",
                     [] { return bmp(100000, 100000, 8, 1, greyPalette(256), rle8Codes()); },
                     Outcome::TooLarge},
        ContentCase {"giant_header_top_down",
                     [] { return bmp(100000, -100000, 32, 0, {}, QByteArray(64, '\0')); },
                     Outcome::NotValid},
        ContentCase {"zero_width", [] { return bmp(0, 4, 24, 0, {}, QByteArray(64, '\0')); },
                     Outcome::NotValid},
        ContentCase {"bit_count_7", [] { return bmp(2, 2, 7, 0, {}, QByteArray(64, '\0')); },
                     Outcome::NotValid},
        ContentCase {"embedded_png_compression",
                     [] { return bmp(2, 2, 24, 5, {}, QByteArray(64, '\0')); }, Outcome::NotValid},
        ContentCase {"empty_file", [] { return QByteArray(); }, Outcome::NotValid},
        ContentCase {"text_file", [] { return QByteArray("not a picture\n"); }, Outcome::NotValid},
        ContentCase {"png_under_bmp_name",
                     [] {
                         QByteArray bytes;
                         QBuffer buffer(&bytes);
                         buffer.open(QIODevice::WriteOnly);
                         filled(6, 4, QImage::Format_RGB32).save(&buffer, "PNG");
                         return bytes;
                     },
                     Outcome::Picture, 6, 4}),
    [](const testing::TestParamInfo<ContentCase> &info) { return std::string(info.param.name); });

TEST_F(BitmapContent, EveryTruncationIsRefused)
{
    const QByteArray whole = savedBy(filled(5, 3, QImage::Format_RGB32));
    for (qsizetype cut = 0; cut < whole.size(); ++cut) {
        const std::string path = write(whole.left(cut));
        EXPECT_THROW(readBitmapFile(path), EInvalidGraphic) << "cut at " << cut;
    }
    EXPECT_NO_THROW(readBitmapFile(write(whole)));
}

TEST_F(BitmapContent, UpperCaseExtensionIsRead)
{
    EXPECT_EQ(readBitmapFile(write(kTrueColour, "HOLIDAY.BMP"))->width(), 200);
}

// Paths that never reach the decoder: each must fail at once, never wait on a reader.
struct PathCase
{
    const char *name;
    std::function<std::string(const QTemporaryDir &)> make;
};

class BitmapPath : public testing::TestWithParam<PathCase>
{
};

TEST_P(BitmapPath, CannotOpen)
{
    QTemporaryDir dir;
    const std::string path = GetParam().make(dir);
    if (path.empty())
        GTEST_SKIP() << "not available here";
    try {
        readBitmapFile(path);
        FAIL() << "loaded";
    } catch (const EFOpenError &e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, BitmapPath,
    testing::Values(PathCase {"missing",
                              [](const QTemporaryDir &d) {
                                  return d.filePath("gone.bmp").toStdString();
                              }},
                    PathCase {"folder",
                              [](const QTemporaryDir &d) {
                                  const QString p = d.filePath("folder.bmp");
                                  ::mkdir(QFile::encodeName(p).constData(), 0700);
                                  return p.toStdString();
                              }},
                    PathCase {"fifo_without_writer",
                              [](const QTemporaryDir &d) {
                                  const QString p = d.filePath("pipe.bmp");
                                  return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0
                                      ? p.toStdString()
                                      : std::string();
                              }},
                    PathCase {"endless_device",
                              [](const QTemporaryDir &) {
                                  return std::string("/dev/zero");
                              }},
                    PathCase {"socket",
                              [](const QTemporaryDir &d) {
                                  const QByteArray p = QFile::encodeName(d.filePath("s.bmp"));
                                  sockaddr_un address {};
                                  address.sun_family = AF_UNIX;
                                  if (size_t(p.size()) >= sizeof address.sun_path)
                                      return std::string();
                                  std::copy(p.begin(), p.end(), address.sun_path);
                                  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
                                  const bool bound
                                      = ::bind(fd, reinterpret_cast<sockaddr *>(&address),
                                               sizeof address)
                                      == 0;
                                  ::close(fd);
                                  return bound ? p.toStdString() : std::string();
                              }},
                    PathCase {"symlink_to_fifo",
                              [](const QTemporaryDir &d) {
                                  const QByteArray fifo
                                      = QFile::encodeName(d.filePath("real_pipe"));
                                  const QByteArray link = QFile::encodeName(d.filePath("link.bmp"));
                                  if (::mkfifo(fifo.constData(), 0600) != 0
                                      || ::symlink(fifo.constData(), link.constData()) != 0)
                                      return std::string();
                                  return link.toStdString();
                              }},
                    PathCase {"unreadable",
                              [](const QTemporaryDir &d) {
                                  if (::geteuid() == 0)
                                      return std::string(); // root reads everything
                                  const QString p = d.filePath("locked.bmp");
                                  QFile f(p);
                                  f.open(QIODevice::WriteOnly);
                                  f.write(kTrueColour);
                                  f.close();
                                  ::chmod(QFile::encodeName(p).constData(), 0);
                                  return p.toStdString();
                              }}),
    [](const testing::TestParamInfo<PathCase> &info) { return std::string(info.param.name); });

} // namespace

namespace {

// Large pictures are decoded straight into memory of their own; every pixel and the stride
// must come out as from Qt's own decode.
class LargeBitmap : public testing::TestWithParam<QImage::Format>
{
};

TEST_P(LargeBitmap, DecodesEveryPixelAsQtDoes)
{
    QImage source(2100, 1200, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(source.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            row[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
    }
    const QByteArray bytes = savedBy(source.convertToFormat(GetParam()));
    QTemporaryDir dir;
    QFile file(dir.filePath("large.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const auto picture = readBitmapFile(file.fileName().toStdString());
    QImage expected;
    ASSERT_TRUE(expected.loadFromData(bytes, "BMP"));
    ASSERT_GE(picture->image().sizeInBytes(), 8 * 1024 * 1024);
    EXPECT_EQ(picture->image().format(), expected.format());
    EXPECT_TRUE(picture->image() == expected);
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, LargeBitmap,
                         testing::Values(QImage::Format_RGB32, QImage::Format_RGB888),
                         [](const testing::TestParamInfo<QImage::Format> &info) {
                             return info.param == QImage::Format_RGB32 ? "bits32" : "bits24";
                         });

} // namespace

namespace {

// A read ahead on a worker thread hands over exactly what a plain read would give: the same
// picture, the same error, or nothing when the file was changed or another file is read.
struct PrefetchCase
{
    const char *name;
    QByteArray prefetched; // the file's bytes when the read ahead starts
    // Done between the read ahead and the read: may replace the file. Returns the path read.
    std::function<QString(const QString &file, const QString &other)> meanwhile;
    QByteArray expected; // the bytes whose picture comes out; empty: "Bitmap image is not valid"
};

class BitmapPrefetch : public testing::TestWithParam<PrefetchCase>
{
protected:
    void TearDown() override { endBitmapPrefetch(); }
    QTemporaryDir dir;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST_P(BitmapPrefetch, GivesWhatAPlainReadGives)
{
    const PrefetchCase &c = GetParam();
    const QString file = dir.filePath("picture.bmp");
    const QString other = dir.filePath("other.bmp");
    writeFile(file, c.prefetched);
    writeFile(other, savedBy(filled(5, 9, QImage::Format_RGB32)));
    prefetchBitmapFile(file.toStdString());
    const QString read = c.meanwhile(file, other);
    if (c.expected.isEmpty()) {
        try {
            readBitmapFile(read.toStdString());
            FAIL() << "loaded";
        } catch (const EInvalidGraphic &e) {
            EXPECT_STREQ(e.what(), "Bitmap image is not valid");
        }
        return;
    }
    const auto picture = readBitmapFile(read.toStdString());
    QImage expected;
    ASSERT_TRUE(expected.loadFromData(c.expected, "BMP"));
    EXPECT_TRUE(picture->image() == expected);
}

const QByteArray kRed = savedBy(filled(20, 10, QImage::Format_RGB32));
const QByteArray kPalette = savedBy(filled(30, 4, QImage::Format_Indexed8));
const QByteArray kOther = savedBy(filled(5, 9, QImage::Format_RGB32));

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, BitmapPrefetch,
    testing::Values(
        PrefetchCase {"same_file", kRed, [](const QString &f, const QString &) { return f; }, kRed},
        PrefetchCase {"broken_file", QByteArray("BM broken"),
                      [](const QString &f, const QString &) { return f; }, QByteArray()},
        PrefetchCase {"replaced_file", kRed,
                      [](const QString &f, const QString &) {
                          // A new file under the same name: another inode.
                          QFile::remove(f);
                          writeFile(f, kPalette);
                          return f;
                      },
                      kPalette},
        PrefetchCase {"other_file", kRed, [](const QString &, const QString &o) { return o; },
                      kOther}),
    [](const testing::TestParamInfo<PrefetchCase> &info) { return std::string(info.param.name); });

} // namespace
