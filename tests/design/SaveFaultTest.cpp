// Saves interrupted at every point: by a failing system call, by the file size limit at any
// byte, and by SIGKILL. Each must leave the old file or the new one whole on disk, never a mix
// and never an empty file; a save that reports failure leaves the old one.
#include "DesignTestSupport.h"
#include "SaveFaults.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

namespace {

namespace fs = std::filesystem;
using save_faults::Call;

const char *callName(Call call)
{
    switch (call) {
    case Call::Open:
        return "open";
    case Call::Chmod:
        return "chmod";
    case Call::Write:
        return "write";
    case Call::Sync:
        return "fsync";
    case Call::Close:
        return "close";
    case Call::Rename:
        return "rename";
    case Call::SyncFolder:
        return "folder fsync";
    }
    return "?";
}

// The new design is large enough to be written in several chunks; the Windows-1252 kind is
// written piece by piece as it is laid out, the UTF-16 kind in one go.
void makeLargeDesign(CaseDesign &design, bool unicode)
{
    design.title = unicode ? "\xE6\x9D\xB1\xE4\xBA\xAC (Tokyo)" : "New title";
    design.contents.reserve(60000);
    for (int i = 0; i < 60000; ++i)
        design.contents.push_back("Line " + std::to_string(i) + std::string(40, 'x'));
}

// Compared without a diff of megabytes of text on failure.
testing::AssertionResult sameBytes(const std::string &actual, const std::string &expected,
                                   const char *expectedName)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the file (" << actual.size() << " bytes) is not the "
                                       << expectedName << " one (" << expected.size() << " bytes)";
}

class InterruptedSave : public testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        file = dir.file("design.vnx");
        CaseDesign old;
        old.title = "Old title";
        old.contents = {"one", "two"};
        writeDesignFile(old, file);
        oldBytes = readBytes(file);
        makeLargeDesign(design, GetParam());
        // A save over a file updates it where its keys stand, so the new file is the old one
        // saved over.
        writeBytes(dir.file("reference.vnx"), oldBytes);
        writeDesignFile(design, dir.file("reference.vnx"));
        newBytes = readBytes(dir.file("reference.vnx"));
        fs::remove(dir.file("reference.vnx"));
    }
    void TearDown() override { save_faults::setHook({}); }

    // The calls one whole save makes, in order.
    std::vector<Call> callsOfASave()
    {
        std::vector<Call> calls;
        save_faults::setHook([&calls](Call call) {
            calls.push_back(call);
            return false;
        });
        writeDesignFile(design, file);
        save_faults::setHook({});
        writeBytes(file, oldBytes);
        return calls;
    }

    // Only the design file is in the folder: no temporary file is left behind.
    void expectNoStrayFiles()
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string> {"design.vnx"});
    }

    TempDir dir;
    std::string file;
    std::string oldBytes;
    std::string newBytes;
    CaseDesign design;
};

TEST_P(InterruptedSave, AFailingCallAnywhereLeavesTheOldFileOrFinishesTheSave)
{
    const std::vector<Call> calls = callsOfASave();
    ASSERT_GE(std::count(calls.begin(), calls.end(), Call::Write), GetParam() ? 1 : 3);
    bool renamed = false;
    for (std::size_t failing = 0; failing < calls.size(); ++failing) {
        SCOPED_TRACE("call " + std::to_string(failing) + ": " + callName(calls[failing]));
        std::size_t index = 0;
        save_faults::setHook([&index, failing](Call) { return index++ == failing; });
        renamed = renamed || calls[failing] == Call::SyncFolder;
        if (renamed) {
            // Past the rename the new file is in place; a folder that cannot be flushed
            // changes nothing about that.
            EXPECT_NO_THROW(writeDesignFile(design, file));
            EXPECT_TRUE(sameBytes(readBytes(file), newBytes, "new"));
            writeBytes(file, oldBytes);
        } else {
            try {
                writeDesignFile(design, file);
                ADD_FAILURE() << "saved";
            } catch (const EFileError &e) {
                EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
            }
            EXPECT_TRUE(sameBytes(readBytes(file), oldBytes, "old"));
        }
        save_faults::setHook({});
        expectNoStrayFiles();
    }
}

TEST_P(InterruptedSave, TheFileSizeLimitAtAnyByteLeavesTheOldFile)
{
    // A write that reaches the limit is cut short there, as on a full disk; SIGXFSZ would end
    // the process, ignored the write reports EFBIG.
    struct rlimit original
    {
    };
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlim_t size = newBytes.size();
    const rlim_t chunk = 1u << 20;
    for (rlim_t limit : {rlim_t {0}, rlim_t {1}, rlim_t {4095}, chunk - 1, chunk, chunk + 1,
                         2 * chunk + 7, size / 2, size - 1, size}) {
        if (limit > size)
            continue;
        SCOPED_TRACE("limit " + std::to_string(limit) + " of " + std::to_string(size));
        struct rlimit small = original;
        small.rlim_cur = limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        bool saved = true;
        try {
            writeDesignFile(design, file);
        } catch (const EFileError &) {
            saved = false;
        }
        setrlimit(RLIMIT_FSIZE, &original);
        EXPECT_EQ(saved, limit == size);
        EXPECT_TRUE(sameBytes(readBytes(file), saved ? newBytes : oldBytes, saved ? "new" : "old"));
        writeBytes(file, oldBytes);
        expectNoStrayFiles();
    }
    std::signal(SIGXFSZ, previousHandler);
}

// Runs body in a child process and waits for it; true when the child was killed by SIGKILL.
template<typename Body> bool killedInChild(Body body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST_P(InterruptedSave, KilledAtAnyCallTheFileIsOldOrNewAndWhole)
{
    const std::vector<Call> calls = callsOfASave();
    bool renamed = false;
    for (std::size_t killing = 0; killing < calls.size(); ++killing) {
        SCOPED_TRACE("call " + std::to_string(killing) + ": " + callName(calls[killing]));
        renamed = renamed || calls[killing] == Call::SyncFolder;
        ASSERT_TRUE(killedInChild([&] {
            std::size_t index = 0;
            save_faults::setHook([&index, killing](Call) {
                if (index++ == killing)
                    ::raise(SIGKILL);
                return false;
            });
            writeDesignFile(design, file);
        }));
        EXPECT_TRUE(
            sameBytes(readBytes(file), renamed ? newBytes : oldBytes, renamed ? "new" : "old"));
        // A killed save leaves its hidden temporary file; the design file is untouched by it.
        writeBytes(file, oldBytes);
    }
}

TEST_P(InterruptedSave, KilledAtRandomMomentsTheFileIsOldOrNew)
{
    // A child saves the new design and the old one in turn, without end, until it is killed.
    CaseDesign old;
    old.title = "Old title";
    old.contents = {"one", "two"};
    // The contents the file goes through as the saves alternate (a save updates the file it
    // replaces, so they settle after the first few).
    std::set<std::string> whole {oldBytes};
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i) {
        writeDesignFile(design, file);
        whole.insert(readBytes(file));
        writeDesignFile(old, file);
        whole.insert(readBytes(file));
    }
    const auto cycle = std::chrono::duration_cast<std::chrono::microseconds>(
                           std::chrono::steady_clock::now() - start)
                           .count()
        / 3;
    writeBytes(file, oldBytes);
    std::mt19937 random(7);
    int sawNew = 0;
    for (int round = 0; round < 30; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;) {
                writeDesignFile(design, file);
                writeDesignFile(old, file);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (2 * cycle + 1)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string bytes = readBytes(file);
        EXPECT_EQ(whole.count(bytes), 1u)
            << "round " << round << ": " << bytes.size() << " bytes on disk, not one whole save";
        sawNew += bytes.size() > oldBytes.size();
    }
    RecordProperty("rounds_ending_with_the_new_design", sawNew);
}

INSTANTIATE_TEST_SUITE_P(Encodings, InterruptedSave, testing::Bool(),
                         [](const testing::TestParamInfo<bool> &info) {
                             return info.param ? "Utf16" : "Windows1252";
                         });

} // namespace
