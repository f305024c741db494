#include "ColorText.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct CliRun
{
    int status = -1;
    std::string out;
    std::string err;
};

std::string readBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string shellQuoted(const std::string &text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

class CliTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const auto *info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "cdv-cli-" + std::string(info->test_suite_name()) + "-" + info->name();
        for (char &c : name) {
            if (c == '/')
                c = '_';
        }
        name += "-" + std::to_string(::getpid()); // test runs of several builds may overlap
        dir = fs::temp_directory_path() / name;
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs the tool with the arguments; stdin from `input` when given.
    CliRun cli(const std::vector<std::string> &arguments, const std::string *input = nullptr)
    {
        std::string command = shellQuoted(CDV_CLI_PATH);
        for (const std::string &a : arguments)
            command += " " + shellQuoted(a);
        if (input) {
            writeBytes(dir / "stdin", *input);
            command += " < " + shellQuoted((dir / "stdin").string());
        }
        command += " > " + shellQuoted((dir / "stdout").string()) + " 2> "
            + shellQuoted((dir / "stderr").string());
        CliRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = readBytes(dir / "stdout");
        run.err = readBytes(dir / "stderr");
        return run;
    }

    std::string path(const std::string &name) const { return (dir / name).string(); }

    fs::path dir;
};

std::string data(const std::string &name)
{
    return std::string(CDV_TEST_DATA_DIR) + "/" + name;
}

TEST_F(CliTest, DumpPrintsTheDesignAsJson)
{
    const CliRun run = cli({"dump", data("two-lines.vnx")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\"title\": \"Low\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"contents\": [\n    \"Speed of Life\",\n    \"Breaking Glass\"\n  ]"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"sideBackground\": \"clBlack\""), std::string::npos);
    EXPECT_NE(run.out.find("\"imagePlacement\": \"none\""), std::string::npos);
    EXPECT_NE(run.out.find("\"alignment\": \"center\""), std::string::npos);
    EXPECT_EQ(run.out.find("sideTitleColor"), std::string::npos); // not in the file
}

TEST_F(CliTest, CreateWritesWhatTheWindowsFunctionsWrite)
{
    const std::string twoLines
        = R"({"title": "Low", "contents": ["Speed of Life", "Breaking Glass"]})";
    writeBytes(path("two.json"), twoLines);
    CliRun run = cli({"create", path("two.json"), path("two.vnx")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(path("two.vnx")), readBytes(data("two-lines.vnx")));

    const std::string empty = "{}";
    run = cli({"create", "-", path("new.vnx")}, &empty);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(path("new.vnx")), readBytes(data("new-design.vnx")));
}

TEST_F(CliTest, DumpThenCreateGivesTheExamplesBackByteForByte)
{
    for (const auto &entry : fs::directory_iterator(CDV_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".vnx")
            continue;
        const CliRun dumped = cli({"dump", entry.path().string()});
        ASSERT_EQ(dumped.status, 0) << entry.path() << dumped.err;
        writeBytes(path("design.json"), dumped.out);
        fs::remove(path("again.vnx"));
        const CliRun created = cli({"create", path("design.json"), path("again.vnx")});
        ASSERT_EQ(created.status, 0) << entry.path() << created.err;
        EXPECT_EQ(readBytes(path("again.vnx")), readBytes(entry.path())) << entry.path();
    }
}

TEST_F(CliTest, CreateFromJsonAndDumpAgree)
{
    writeBytes(path("in.json"),
               R"({"styles": {"caseTitle": {"color": "$00FF8000", "alignment": "right", "size": 9}},
            "imagePlacement": "caseOnly", "imagePath": "/pics/cover.bmp",
            "folderBackground": 255})");
    ASSERT_EQ(cli({"create", path("in.json"), path("out.vnx")}).status, 0);
    const CliRun run = cli({"dump", path("out.vnx")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"color\": \"$00FF8000\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"alignment\": \"right\""), std::string::npos);
    EXPECT_NE(run.out.find("\"imagePlacement\": \"caseOnly\""), std::string::npos);
    EXPECT_NE(run.out.find("\"imagePath\": \"/pics/cover.bmp\""), std::string::npos);
    EXPECT_NE(run.out.find("\"folderBackground\": \"clRed\""), std::string::npos);
}

struct ErrorCase
{
    const char *name;
    std::string json; // written to in.json; empty: no input file at all
    std::string message; // the start of stderr after "cdvennix-cli: "
};

class CliCreateErrors : public CliTest, public testing::WithParamInterface<ErrorCase>
{
};

TEST_P(CliCreateErrors, FailsWithAMessageAndWritesNothing)
{
    if (!GetParam().json.empty())
        writeBytes(path("in.json"), GetParam().json);
    const CliRun run = cli({"create", path("in.json"), path("out.vnx")});
    EXPECT_EQ(run.status, 1);
    std::string message = GetParam().message;
    const std::size_t at = message.find("IN");
    if (at != std::string::npos)
        message.replace(at, 2, path("in.json"));
    EXPECT_EQ(run.err.rfind("cdvennix-cli: " + message, 0), 0u) << run.err;
    EXPECT_FALSE(fs::exists(path("out.vnx")));
}

INSTANTIATE_TEST_SUITE_P(
    CliTest, CliCreateErrors,
    testing::Values(
        ErrorCase {"missing_json", "", "IN: no such file"},
        ErrorCase {"not_json", "{title", "IN: [json.exception.parse_error"},
        ErrorCase {"not_an_object", "[]", "IN: design: must be an object"},
        ErrorCase {"unknown_field", R"({"titel": "x"})", "IN: titel: is not a field of a design"},
        ErrorCase {"title_not_text", R"({"title": 5})", "IN: title: must be a text"},
        ErrorCase {"line_break", R"({"contents": ["a", "b\nc"]})",
                   "IN: contents[1]: must not hold a line break"},
        ErrorCase {"bad_colour", R"({"caseBackground": "clOrange"})",
                   "IN: caseBackground: 'clOrange' is not a valid integer value"},
        ErrorCase {"colour_out_of_range", R"({"caseBackground": 4294967296})",
                   "IN: caseBackground: is out of range"},
        ErrorCase {"bad_alignment", R"({"styles": {"caseTitle": {"alignment": "middle"}}})",
                   "IN: styles.caseTitle.alignment: must be one of left, center, right"},
        ErrorCase {"bad_slot", R"({"styles": {"spine": {}}})",
                   "IN: styles.spine: is not a text block"},
        ErrorCase {"bad_flag", R"({"styles": {"caseTitle": {"bold": 1}}})",
                   "IN: styles.caseTitle.bold: must be true or false"},
        ErrorCase {"bad_placement", R"({"imagePlacement": "front"})",
                   "IN: imagePlacement: must be one of none, folderOnly, caseOnly, both"}),
    [](const testing::TestParamInfo<ErrorCase> &info) { return std::string(info.param.name); });

TEST_F(CliTest, ErrorsOfTheDesignFileAreReported)
{
    CliRun run = cli({"dump", path("absent.vnx")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "cdvennix-cli: " + path("absent.vnx") + ": no such file\n");

    writeBytes(path("bad.vnx"), "[ctf]\r\nalign=center\r\n");
    run = cli({"dump", path("bad.vnx")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "cdvennix-cli: 'center' is not a valid integer value\n");
    EXPECT_EQ(run.out, "");

    writeBytes(path("in.json"), "{}");
    run = cli({"create", path("in.json"), path("no-folder/out.vnx")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "cdvennix-cli: Unable to write to " + path("no-folder/out.vnx") + "\n");
}

TEST_F(CliTest, UsageErrors)
{
    CliRun run = cli({});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("dump FILE.vnx"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("create DESIGN.json OUT.vnx"), std::string::npos);

    run = cli({"frobnicate"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("cdvennix-cli: unknown command 'frobnicate'\n", 0), 0u);

    run = cli({"dump"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Usage: cdvennix-cli dump FILE.vnx\n");

    run = cli({"help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("dump FILE.vnx"), std::string::npos);
}

} // namespace
