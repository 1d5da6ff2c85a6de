// Fuzz target: a run of member calls through the dispatch table (DISPID, kind, argument
// types and values decoded from the input), then a drawing of whatever document they left.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "control/automation_error.h"
#include "control/dispatch_table.h"
#include "control/ramulo_control.h"
#include "engine/window_graph_view.h"
#include "quiet_host.h"

namespace {

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
    std::uint32_t u32() { return u16() | static_cast<std::uint32_t>(u16()) << 16; }
    // Mostly small numbers, which name existing elements, levels and positions.
    std::uint32_t number() {
        const std::uint8_t form = byte();
        if (form < 240) return form % 40;
        if (form < 252) return u16();
        return u32();
    }
    double real() {
        std::uint64_t bits = static_cast<std::uint64_t>(u32()) << 32 | u32();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return byte() & 1 ? value : static_cast<double>(static_cast<std::int16_t>(bits));
    }
    // File names stay relative and in the sandbox: no separators and no "..".
    std::u16string text() {
        static const char16_t kAlphabet[] =
            u"abcxyzNameWeightXY_I1R2V.nxx.nx.ico 0123-\u00e9\u4e2d";
        constexpr std::size_t kLetters = sizeof kAlphabet / sizeof kAlphabet[0] - 1;
        std::u16string text;
        for (std::size_t n = byte() % 24; n > 0 && !empty(); --n) {
            const char16_t c = kAlphabet[byte() % kLetters];
            if (c == u'.' && !text.empty() && text.back() == u'.') continue;
            text.push_back(c);
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Arrays behind pointer parameters: large enough for any count a UI2 can give.
std::vector<std::uint32_t>& array(std::size_t which) {
    static std::vector<std::uint32_t> arrays[4] = {
        std::vector<std::uint32_t>(65536), std::vector<std::uint32_t>(65536),
        std::vector<std::uint32_t>(65536), std::vector<std::uint32_t>(65536)};
    return arrays[which % 4];
}

ramulo::Variant anyVariant(Reader& in) {
    static const ramulo::VARTYPE kTypes[] = {ramulo::VT_EMPTY, ramulo::VT_NULL, ramulo::VT_I2,  ramulo::VT_I4,   ramulo::VT_R4,   ramulo::VT_R8,
                                     ramulo::VT_BSTR,  ramulo::VT_BOOL, ramulo::VT_I1,  ramulo::VT_UI1,  ramulo::VT_UI2,  ramulo::VT_UI4,
                                     ramulo::VT_I8,    ramulo::VT_UI8,  ramulo::VT_INT, ramulo::VT_UINT, ramulo::VT_DATE, ramulo::VT_ERROR};
    ramulo::Variant v;
    v.vt = kTypes[in.byte() % (sizeof kTypes / sizeof kTypes[0])];
    switch (v.vt) {
        case ramulo::VT_BSTR:
            v.bstrVal = in.text();
            break;
        case ramulo::VT_R4:
            v.fltVal = static_cast<float>(in.real());
            break;
        case ramulo::VT_R8:
        case ramulo::VT_DATE:
            v.dblVal = in.real();
            break;
        case ramulo::VT_BOOL:
            v.boolVal = in.byte() & 1 ? ramulo::VARIANT_TRUE : static_cast<ramulo::VARIANT_BOOL>(in.u16());
            break;
        default: {
            const std::uint32_t n = in.number();
            v.ullVal =
                in.byte() & 1 ? n : static_cast<std::uint64_t>(-static_cast<std::int64_t>(n));
        }
    }
    return v;
}

// Mostly the parameter's own type, so that calls get past the conversions.
ramulo::Variant argument(Reader& in, ramulo::ArgType type, std::size_t index) {
    if (in.byte() % 8 == 0) return anyVariant(in);
    ramulo::Variant v;
    v.vt = ramulo::vartypeOf(type);
    switch (type) {
        case ramulo::ArgType::BSTR:
            v.bstrVal = in.text();
            break;
        case ramulo::ArgType::R8:
            v.dblVal = in.real();
            break;
        case ramulo::ArgType::BOOL:
            v.boolVal = in.byte() & 1 ? ramulo::VARIANT_TRUE : ramulo::VARIANT_FALSE;
            break;
        case ramulo::ArgType::VARIANT:
            return anyVariant(in);
        case ramulo::ArgType::UI4_PTR: {
            std::vector<std::uint32_t>& values = array(index);
            for (std::size_t i = 0, n = in.byte(); i < n; ++i) values[i] = in.number();
            v.ptr = values.data();
            break;
        }
        default:
            v.ullVal = in.number();
    }
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Files the members write land in a directory of this process's own, emptied before
    // every input so that no run sees another's files.
    static const std::string sandbox = [] {
        const std::string dir = "/tmp/ramulo_fuzz_calls_" + std::to_string(getpid());
        mkdir(dir.c_str(), 0700);
        return dir;
    }();
    if (chdir(sandbox.c_str()) != 0) std::abort();
    if (DIR* dir = opendir(".")) {
        while (const dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.' || (entry->d_name[1] && entry->d_name[1] != '.'))
                unlink(entry->d_name);
        closedir(dir);
    }

    Reader in(data, size);
    nx::fuzz::QuietHost host;
    ramulo::RamuloControl control;
    control.windowCreated(&host);
    for (int calls = 0; calls < 48 && !in.empty(); ++calls) {
        // A call: DISPID (signed byte), kind, argument count flag, then the arguments.
        const auto dispid = static_cast<std::int8_t>(in.byte());
        const auto kind = static_cast<ramulo::MemberKind>(in.byte() % 3);
        const std::uint8_t countFlag = in.byte();
        const ramulo::MemberInfo* member = ramulo::findMember(dispid, kind);
        std::size_t count = member ? member->params.size() : countFlag % 4;
        if (countFlag == 0xFF) count = in.byte() % 12;  // a wrong count now and then
        std::vector<ramulo::Variant> args;
        for (std::size_t i = 0; i < count; ++i) {
            const bool known = member && i < member->params.size();
            args.push_back(argument(in, known ? member->params[i].type : ramulo::ArgType::I4, i));
        }
        try {
            ramulo::invoke(control, dispid, kind, std::move(args));
        } catch (const ramulo::AutomationError&) {
            // Every failure must reach the host as an automation error.
        }
    }
    if (nx::WindowGraphView* view = ramulo::engineOf(control).view()) {
        const nx::Size extent = ramulo::engineOf(control).GetExtent();
        view->draw({0, 0, static_cast<int>(extent.cx), static_cast<int>(extent.cy)});
    }
    return 0;
}
