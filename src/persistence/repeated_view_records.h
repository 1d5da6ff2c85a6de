// Reading the view records of a stream file's entries, with a record that repeats the last
// one byte for byte answered without parsing it again.
#pragma once

#include <cstddef>
#include <cstring>
#include <istream>
#include <streambuf>
#include <string>

#include "views/view_ref.h"

namespace nx::persistence {

namespace detail {

// The get area of any stream buffer: its protected members reached through pointers to
// members of the base class, which is what a derived class may name.
struct GetArea : std::streambuf {
    static const char* next(std::streambuf& buffer) { return (buffer.*&GetArea::gptr)(); }
    static const char* end(std::streambuf& buffer) { return (buffer.*&GetArea::egptr)(); }
    static void skip(std::streambuf& buffer, std::size_t bytes) {
        (buffer.*&GetArea::gbump)(static_cast<int>(bytes));
    }
};

// A stream buffer over bytes that stay where they are; reading past them is recorded
// instead of answered.
class HeldBytes : public std::streambuf {
public:
    void hold(const char* begin, const char* end) {
        char* at = const_cast<char*>(begin);  // never written: no put area
        setg(at, at, const_cast<char*>(end));
        overran_ = false;
    }
    std::size_t used() const { return static_cast<std::size_t>(gptr() - eback()); }
    bool overran() const { return overran_; }

protected:
    int_type underflow() override {
        overran_ = true;
        return traits_type::eof();
    }

private:
    bool overran_ = false;
};

}  // namespace detail

// Entries mostly share their view, and a view record read twice from the same bytes gives
// the same view (the factories only ever add views), so a record equal to the last one is
// taken as it stands. Otherwise a record that lies wholly in the stream's buffer is parsed
// there, which tells how many bytes it took; anything else (a record across the buffer's
// end, a failure, a record without view) is read from the stream itself as before.
template <typename V, typename Factory>
class RepeatedViewRecords {
public:
    explicit RepeatedViewRecords(Factory& factory) : factory_(factory), held_(&bytes_) {}

    ViewRef<V> read(std::istream& in) {
        std::streambuf* buffer = in.rdbuf();
        if (!buffer || !in.good()) return factory_.readView(in);
        const char* begin = detail::GetArea::next(*buffer);
        const char* end = detail::GetArea::end(*buffer);
        const std::size_t available =
            begin && end > begin ? static_cast<std::size_t>(end - begin) : 0;
        if (last_ && available >= record_.size() &&
            std::memcmp(begin, record_.data(), record_.size()) == 0) {
            detail::GetArea::skip(*buffer, record_.size());
            return last_;
        }
        if (available == 0 || !std::memchr(begin, '\n', available)) return factory_.readView(in);
        bytes_.hold(begin, end);
        held_.clear();
        ViewRef<V> view;
        try {
            view = factory_.readView(held_);
        } catch (const std::exception&) {
            return factory_.readView(in);  // fails there as it did
        }
        if (!view || bytes_.overran() || !held_.good()) return factory_.readView(in);
        const std::size_t used = bytes_.used();
        record_.assign(begin, used);
        last_ = view;
        detail::GetArea::skip(*buffer, used);
        return view;
    }

private:
    Factory& factory_;
    detail::HeldBytes bytes_;
    std::istream held_;
    std::string record_;  // the bytes of the last record parsed here
    ViewRef<V> last_;     // the view they gave
};

}  // namespace nx::persistence
