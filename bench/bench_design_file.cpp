// Load and save of a design file as the Open and Save commands do them, and the parse alone.
#include "DesignFile.h"
#include "ProfileFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

void fillDesign(CaseDesign &design, std::int64_t lines)
{
    design.title = "Benchmark Album";
    design.contents.clear();
    design.contents.reserve(static_cast<std::size_t>(lines));
    for (std::int64_t i = 0; i < lines; ++i)
        design.contents.push_back("Track " + std::to_string(i + 1)
                                  + " - A Song With A Title  4:05");
}

std::string benchFile(const char *name)
{
    const fs::path dir = fs::temp_directory_path() / "cdv-bench";
    fs::create_directories(dir);
    return (dir / name).string();
}

void BM_SaveDesignFile(benchmark::State &state)
{
    CaseDesign design;
    fillDesign(design, state.range(0));
    const std::string file = benchFile("save.vnx");
    fs::remove(file);
    writeDesignFile(design, file); // later saves replace an existing file, as Save does
    for (auto _ : state)
        writeDesignFile(design, file);
    state.counters["bytes"] = static_cast<double>(fs::file_size(file));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    fs::remove(file);
}

void BM_LoadDesignFile(benchmark::State &state)
{
    CaseDesign written;
    fillDesign(written, state.range(0));
    const std::string file = benchFile("load.vnx");
    fs::remove(file);
    writeDesignFile(written, file);
    for (auto _ : state) {
        CaseDesign design;
        readDesignFile(design, file);
        benchmark::DoNotOptimize(design.contents.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    fs::remove(file);
}

// The writer's steps and the encoding, without the disk.
void BM_WriteDesignInMemory(benchmark::State &state)
{
    CaseDesign design;
    fillDesign(design, state.range(0));
    for (auto _ : state) {
        ProfileFile profile;
        writeDesignProfile(design, profile);
        benchmark::DoNotOptimize(profile.toBytes());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The decode, parse and the reader's steps, without the disk.
void BM_ReadDesignInMemory(benchmark::State &state)
{
    CaseDesign written;
    fillDesign(written, state.range(0));
    ProfileFile source;
    writeDesignProfile(written, source);
    const std::string bytes = source.toBytes();
    for (auto _ : state) {
        CaseDesign design;
        readDesignProfile(design, ProfileFile::parse(bytes));
        benchmark::DoNotOptimize(design.contents.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_SaveDesignFile)->Arg(10)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDesignFile)->Arg(10)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDesignInMemory)->Arg(10)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDesignInMemory)->Arg(10)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
