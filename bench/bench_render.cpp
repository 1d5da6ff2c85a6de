// Drawing a large PNG with the command-line tool, as a user runs it: the process's peak
// memory against one image of the whole drawing, which the tool no longer allocates.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "target_ratio.h"

namespace {

// Runs the tool with these arguments; answers its peak resident memory in MB, or -1 when
// it failed.
double runTool(const std::vector<std::string>& args) {
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv{const_cast<char*>(RAMULO_CLI)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        execv(RAMULO_CLI, argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024;  // ru_maxrss is in KiB
}

// Width and height from a PNG file's header.
std::pair<std::uint32_t, std::uint32_t> pngSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[24] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    auto big = [&](int at) {
        return std::uint32_t(header[at]) << 24 | std::uint32_t(header[at + 1]) << 16 |
               std::uint32_t(header[at + 2]) << 8 | std::uint32_t(header[at + 3]);
    };
    return {big(16), big(20)};
}

void BM_RenderLargePng(benchmark::State& state) {
    if (!*RAMULO_CLI) {
        state.SkipWithError("built without the command-line tool");
        return;
    }
    const auto dir = std::filesystem::temp_directory_path();
    const std::string document = (dir / "ramulo_bench_render.nx").string();
    const std::string image = (dir / "ramulo_bench_render.png").string();
    if (runTool({"sample", "1", "-o", document}) < 0) {
        state.SkipWithError("the tool could not write its sample document");
        return;
    }
    const std::string scale = std::to_string(state.range(0));
    double peak = 0;
    for (auto _ : state) peak = runTool({"render", document, "-o", image, "--scale", scale});
    if (peak < 0) {
        state.SkipWithError("the tool could not draw the document");
        return;
    }
    const auto [width, height] = pngSize(image);
    const double oneImage = double(width) * double(height) * 4 / 1048576;
    state.counters["peak_MB"] = peak;
    state.counters["one_image_MB"] = oneImage;
    state.counters["megapixels"] = double(width) * double(height) / 1e6;
    std::filesystem::remove(image);
    std::filesystem::remove(document);
    bench::recordTarget("7",
                        "peak memory of `ramulo render` drawing a " +
                            bench::fixed(double(width) * double(height) / 1e6, 0) +
                            "-megapixel PNG",
                        peak, oneImage, "MB", "one image of the whole drawing", oneImage);
}

}  // namespace

BENCHMARK(BM_RenderLargePng)->Arg(25)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
