#include "DesignFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(DesignFile, NewDesignRoundTrip)
{
    const fs::path dir = fs::temp_directory_path() / "cdv_design_smoke";
    fs::create_directories(dir);
    const std::string file = (dir / "new.vnx").string();
    fs::remove(file);

    CaseDesign written;
    written.title = "  Heroes  ";
    written.contents = {"\"Heroes\"", "Sons of the Silent Age"};
    writeDesignFile(written, file);

    CaseDesign read;
    readDesignFile(read, file);
    EXPECT_EQ(read.title, written.title);
    EXPECT_EQ(read.contents, written.contents);
    EXPECT_EQ(read.sideBackground, clBlack);
    fs::remove_all(dir);
}

#include <fstream>
#include <sstream>

namespace {
std::string fileBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}
} // namespace

TEST(DesignFile, NewDesignIsWrittenAsTheWindowsFunctionsWriteIt)
{
    const fs::path dir = fs::temp_directory_path() / "cdv_design_smoke2";
    fs::create_directories(dir);
    const fs::path file = dir / "new.vnx";
    fs::remove(file);
    CaseDesign design;
    writeDesignFile(design, file.string());
    EXPECT_EQ(fileBytes(file), fileBytes(fs::path(CDV_TEST_DATA_DIR) / "new-design.vnx"));
    fs::remove_all(dir);
}
