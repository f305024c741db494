// Inputs the fuzz targets in fuzz/ once failed on, each checked by the property that failed.
#include "DesignTestSupport.h"
#include "ProfileFile.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A design that loads is written and read back unchanged.
void expectDesignRoundTrip(const std::string &bytes)
{
    CaseDesign design;
    try {
        readDesignProfile(design, ProfileFile::parse(bytes));
    } catch (const EConvertError &) {
        return;
    } catch (const EFileError &) {
        return;
    }
    ProfileFile written;
    writeDesignProfile(design, written);
    CaseDesign loaded;
    loaded.setFields(design.fields());
    readDesignProfile(loaded, ProfileFile::parse(written.toBytes()));
    DesignFields expected = design.fields();
    expected.modified = loaded.modified;
    EXPECT_EQ(loaded.fields(), expected);
    EXPECT_EQ(loaded.title, design.title);
    EXPECT_EQ(loaded.contents, design.contents);
}

TEST(FuzzFindings, DesignFilesRoundTrip)
{
    int files = 0;
    for (const auto &entry : fs::directory_iterator(dataFile("fuzz"))) {
        if (entry.path().filename().string().rfind("design-", 0) != 0)
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        expectDesignRoundTrip(readBytes(entry.path().string()));
        ++files;
    }
    EXPECT_GT(files, 0);
}

} // namespace
