#pragma once

#include "DesignFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

// Writes down every notification the design sends, one line each, in order.
class RecordingObserver : public DesignObserver
{
public:
    std::vector<std::string> events;

    void fileNameShown(const std::string &fileName) override
    {
        events.push_back("fileName " + fileName);
    }
    void placementApplied(ImagePlacement placement) override
    {
        events.push_back("placement " + std::to_string(static_cast<int>(placement)));
    }
    void fontsPageRefresh() override { events.emplace_back("fontsRefresh"); }
    void textReplaced() override { events.emplace_back("textReplaced"); }
    void alignmentApplied(TextSlot slot, TextAlignment alignment) override
    {
        events.push_back("align " + std::to_string(static_cast<int>(slot)) + " "
                         + std::to_string(static_cast<int>(alignment)));
    }
};

class FakePicture : public Picture
{
public:
    int width() const override { return 10; }
    int height() const override { return 20; }
};

// Stands in for the Image page: a path names a file when it is in `existing`.
class FakeImageChooser : public ImageFileChooser
{
public:
    std::set<std::string> existing;
    std::string chosen;
    std::vector<std::string> calls;

    void selectImageFile(CaseDesign &, const std::string &path) override
    {
        calls.push_back("select " + path);
        if (!existing.count(path))
            throw EFileError("No such file: " + path);
        chosen = path;
    }
    void loadChosenImage(CaseDesign &design) override
    {
        calls.push_back("load " + chosen);
        design.imagePath = chosen;
        if (chosen.empty())
            design.picture.reset();
        else
            design.picture = std::make_shared<FakePicture>();
    }
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir
{
public:
    TempDir()
    {
        const auto *info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "cdv-";
        if (info)
            name += std::string(info->test_suite_name()) + "-" + info->name();
        for (char &c : name) {
            if (c == '/')
                c = '_';
        }
        name += "-" + std::to_string(::getpid()); // test runs of several builds may overlap
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    std::string file(const std::string &name) const { return (path_ / name).string(); }
    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void writeBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string dataFile(const std::string &name)
{
    return std::string(CDV_TEST_DATA_DIR) + "/" + name;
}

// Joins lines with CR LF, as the Windows profile functions end every line.
inline std::string crlf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}
