// Fuzz target: a document file from the input (stream or XML) through the whole engine:
// the three layouts with parameters from the input, the transforms, a drawing, and saves in
// both forms that must read back and save to the same bytes again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "engine/control_engine.h"
#include "engine/window_graph_view.h"
#include "fuzz_input.h"
#include "quiet_host.h"

namespace {

void draw(ramulo::ControlEngine& engine) {
    if (!engine.view()) return;
    const nx::Size extent = engine.GetExtent();
    engine.view()->draw({0, 0, static_cast<int>(extent.cx), static_cast<int>(extent.cy)});
}

// Layouts refuse documents without coordinates or working values with an error; that is
// their answer, not a fault.
template <typename Step>
void tolerated(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::uint8_t mode = data[0];
    const std::uint8_t a = data[1], b = data[2], c = data[3];
    const bool xml = mode & 1;
    const std::string path = nx::fuzz::writeInput(data + 4, size - 4, xml ? ".nxx" : ".nx");

    nx::fuzz::QuietHost host;
    ramulo::ControlEngine engine;
    try {
        xml ? engine.LoadXml(path, true, &host) : engine.LoadStream(path, true, &host);
    } catch (const std::exception&) {
        return 0;  // a file that does not read is the readers' targets' business
    }

    engine.SetHierarchicalLayoutParams(1 + a % 64, 1 + b % 64, 1 + c % 64);
    engine.SetRadialLayoutParams(1 + a % 100, (b % 101) / 100.0);
    engine.SetForceDirectedLayoutParams(1 + c % 100, b % 30);
    const int order = mode >> 1 & 3;  // which layout runs last
    for (int i = 1; i <= 3; ++i) {
        switch ((order + i) % 3) {
            case 0:
                tolerated([&] { engine.HierarchicalLayout(); });
                break;
            case 1:
                tolerated([&] { engine.RadialLayout(); });
                break;
            default:
                tolerated([&] { engine.ForceDirectedLayout(); });
                break;
        }
        draw(engine);
    }
    if (mode & 0x08) engine.RotateRight90();
    if (mode & 0x10) engine.RotateLeft90();
    if (mode & 0x20) engine.FlipVertical();
    if (mode & 0x40) engine.FlipHorizontal();
    if (mode & 0x80) {
        engine.view()->setScaleX(1.0f + a % 4 / 2.0f);  // a print scale
        engine.view()->setScaleY(1.0f + b % 4 / 2.0f);
    }
    draw(engine);
    if (engine.view()) engine.view()->setScale(1.0f, 1.0f);

    // Each form: saved, read back, saved again, read again, saved a third time; the last
    // two must be the same bytes. Texts too long for a stream token come only from XML
    // and may be refused by the stream writer before it writes.
    for (const bool toXml : {false, true}) {
        const char* ext = toXml ? ".nxx" : ".nx";
        // 1 when written, 0 when there is no current graph to write.
        auto save = [&](ramulo::ControlEngine& e, const std::string& name) {
            return toXml ? e.SaveXml(name) : e.SaveStream(name);
        };
        auto load = [&](ramulo::ControlEngine& e, const std::string& name) {
            toXml ? e.LoadXml(name, true, &host) : e.LoadStream(name, true, &host);
        };
        const std::string first = path + ".1" + ext;
        try {
            if (save(engine, first) == 0) continue;
        } catch (const std::exception& e) {
            if (xml && !toXml) continue;
            std::fprintf(stderr, "%s: %s\n", ext, e.what());
            std::abort();
        }
        try {
            ramulo::ControlEngine again;
            load(again, first);
            draw(again);
            if (save(again, path + ".2" + ext) == 0) std::abort();
            ramulo::ControlEngine onceMore;
            load(onceMore, path + ".2" + ext);
            if (save(onceMore, path + ".3" + ext) == 0) std::abort();
        } catch (const std::exception& e) {
            // What was written must read back and save again.
            std::fprintf(stderr, "%s: %s\n", ext, e.what());
            std::abort();
        }
        if (nx::fuzz::slurp(path + ".2" + ext) != nx::fuzz::slurp(path + ".3" + ext)) std::abort();
    }
    return 0;
}
