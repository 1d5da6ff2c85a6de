// A PNG file written a band of rows at a time, so no image of the whole drawing is needed.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <ostream>
#include <vector>

class QImage;

namespace ramulo {

// An 8-bit RGB PNG of a known size. The signature and header go out at construction, each
// band's rows as they are added (compressed into IDAT chunks), the end at finish(). Fails
// with a runtime error when zlib does, or when the rows added do not make the height.
class PngBandWriter {
public:
    PngBandWriter(std::ostream& out, int width, int height);
    ~PngBandWriter();
    PngBandWriter(const PngBandWriter&) = delete;
    PngBandWriter& operator=(const PngBandWriter&) = delete;

    // The band's rows in order (Format_RGB32, the writer's width).
    void addRows(const QImage& band);
    void finish();

private:
    void chunk(const char* type, const unsigned char* data, std::size_t size);
    void deflateInto(int flush);

    std::ostream& out_;
    int width_;
    int height_;
    int rows_ = 0;
    z_stream zip_{};
    std::vector<unsigned char> row_;
    std::vector<unsigned char> compressed_;
};

}  // namespace ramulo
