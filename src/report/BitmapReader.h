#pragma once

#include "ImagePicture.h"

#include <memory>
#include <stdexcept>
#include <string>

// The file cannot be opened: it is missing, unreadable, or not a regular file (a folder, FIFO,
// device or socket is never opened, so a stored path naming one cannot block the program).
// Message "Cannot open file <path>".
class EFOpenError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The file is no picture the reader can decode, or its data stops before its header says it
// should. Message "Bitmap image is not valid".
class EInvalidGraphic : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The picture is well formed but would need more memory than a picture may take.
// Message "Bitmap image is too large (<width> × <height> pixels)".
class EBitmapTooLarge : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class QByteArray;

// Decoded pictures larger than this are refused before any pixel memory is taken: a 16384 x
// 16384 picture at 4 bytes a pixel, far more than any print of a CD insert can use.
inline constexpr long long kMaxBitmapBytes = 1024LL * 1024 * 1024;

// Loads a Windows bitmap file (every bit depth, RLE and bit-field compression, OS/2 headers);
// other formats Qt reads are accepted too. Throws one of the errors above, never returns null.
std::shared_ptr<const ImagePicture> readBitmapFile(const std::string &path);

// Starts reading the bitmap file at path on a worker thread, so that a design load can read
// its picture while it lays out its text. The next readBitmapFile of the same file (same
// device, inode, size and modification time) takes the result, or the error, over instead of
// reading the file again. endBitmapPrefetch waits for the worker and drops an unused result;
// a load calls it when it ends, so that no worker outlives it.
void prefetchBitmapFile(const std::string &path);
void endBitmapPrefetch();

// Decodes the bytes of a picture file as readBitmapFile does, refusing a picture that would
// decode to more than maxBytes. Throws EInvalidGraphic or EBitmapTooLarge, never returns null.
std::shared_ptr<const ImagePicture> decodeBitmap(const QByteArray &data,
                                                 long long maxBytes = kMaxBitmapBytes);
