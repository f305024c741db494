#include "DesignTestSupport.h"
#include "ProfileFile.h"

#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

namespace {

// A load either succeeds or fails with one of the program's own errors; nothing else.
void expectCleanLoad(const std::string &bytes)
{
    CaseDesign design;
    FakeImageChooser chooser;
    try {
        readDesignProfile(design, ProfileFile::parse(bytes), &chooser);
    } catch (const EConvertError &) {
    } catch (const EFileError &) {
    }
}

TEST(HostileFile, EveryTruncationLoadsCleanly)
{
    TempDir dir;
    CaseDesign full;
    full.title = "\xE6\x9D\xB1\xE4\xBA\xAC"; // a UTF-16 file, so truncations split characters
    full.contents = {"one", "  two  ", "\"three\""};
    full.imagePlacement = ImagePlacement::Both;
    full.imagePath = "/pics/a.bmp";
    writeDesignFile(full, dir.file("utf16.vnx"));

    for (const std::string &source : {dataFile("two-lines.vnx"), dir.file("utf16.vnx")}) {
        const std::string bytes = readBytes(source);
        for (std::size_t length = 0; length <= bytes.size(); ++length)
            expectCleanLoad(bytes.substr(0, length));
    }
}

TEST(HostileFile, GarbageLoadsCleanly)
{
    std::mt19937 random(7);
    // A NUL in a literal would end it there: the alphabet is built with its length.
    static constexpr char kAlphabet[] = "[]=;\"' \t\r\n\x1A\0$x0123456789-+abcontflgsidmpwz";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        const std::size_t size = random() % 2000;
        for (std::size_t i = 0; i < size; ++i) {
            bytes += round % 2 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        }
        if (round % 4 == 0)
            bytes.insert(0, "\xFF\xFE");
        expectCleanLoad(bytes);
    }
}

TEST(HostileFile, FiftyMegabyteLineIsCut)
{
    TempDir dir;
    writeBytes(dir.file("long.vnx"),
               "[title]\r\ntext=" + std::string(std::size_t {50} * 1024 * 1024, 'w')
                   + "\r\n[cont]\r\nno=1\r\n1=x\r\n");
    CaseDesign design;
    readDesignFile(design, dir.file("long.vnx"));
    EXPECT_EQ(design.title, std::string(2047, 'w'));
    EXPECT_EQ(design.contents, std::vector<std::string> {"x"});
}

TEST(HostileFile, HundredThousandSectionsLoadAndSave)
{
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "[s" + std::to_string(i) + "]\r\nk=v\r\n";
    bytes += "[cont]\r\nno=1\r\n1=found\r\n";
    writeBytes(dir.file("many.vnx"), bytes);
    CaseDesign design;
    readDesignFile(design, dir.file("many.vnx"));
    EXPECT_EQ(design.contents, std::vector<std::string> {"found"});
    writeDesignFile(design, dir.file("many.vnx"));
    EXPECT_EQ(ProfileFile::load(dir.file("many.vnx")).sectionCount(), 100000u + 8u);
}

TEST(HostileFile, HugeContentsCountFailsAtOnce)
{
    TempDir dir;
    writeBytes(dir.file("count.vnx"), crlf({"[cont]", "no=2147483647"}));
    CaseDesign design;
    EXPECT_THROW(readDesignFile(design, dir.file("count.vnx")), EFileError);
}

TEST(HostileFile, OversizedFileIsRefusedUnread)
{
    TempDir dir;
    writeBytes(dir.file("big.vnx"), "");
    // Sparse: no disk space is used, and the size check must come before any reading.
    ASSERT_EQ(truncate(dir.file("big.vnx").c_str(), ProfileFile::kMaxFileBytes + 1), 0);
    CaseDesign design;
    design.title = "kept";
    EXPECT_THROW(readDesignFile(design, dir.file("big.vnx")), EFileError);
    EXPECT_EQ(design.title, "kept");
}

} // namespace
