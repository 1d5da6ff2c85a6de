// PngBandWriter: signature, IHDR, IDAT chunks from one deflate stream, IEND.
#include "render/png_band_writer.h"

#include <QImage>
#include <stdexcept>

namespace ramulo {

namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

void putBigEndian(unsigned char* at, std::uint32_t value) {
    at[0] = static_cast<unsigned char>(value >> 24);
    at[1] = static_cast<unsigned char>(value >> 16);
    at[2] = static_cast<unsigned char>(value >> 8);
    at[3] = static_cast<unsigned char>(value);
}

}  // namespace

PngBandWriter::PngBandWriter(std::ostream& out, int width, int height)
    : out_(out), width_(width), height_(height),
      row_(1 + 3 * static_cast<std::size_t>(width)), compressed_(kChunkBytes) {
    if (width <= 0 || height <= 0) throw std::runtime_error("A PNG image needs pixels");
    if (deflateInit(&zip_, Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("The PNG compressor could not start");
    zip_.next_out = compressed_.data();
    zip_.avail_out = static_cast<uInt>(kChunkBytes);
    static const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out_.write(reinterpret_cast<const char*>(signature), sizeof signature);
    // Width, height, 8 bits a sample, colour type 2 (RGB), deflate, adaptive filters, no
    // interlace.
    unsigned char header[13] = {};
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header + 4, static_cast<std::uint32_t>(height));
    header[8] = 8;
    header[9] = 2;
    chunk("IHDR", header, sizeof header);
}

PngBandWriter::~PngBandWriter() {
    deflateEnd(&zip_);
}

void PngBandWriter::chunk(const char* type, const unsigned char* data, std::size_t size) {
    unsigned char length[4];
    putBigEndian(length, static_cast<std::uint32_t>(size));
    out_.write(reinterpret_cast<const char*>(length), 4);
    out_.write(type, 4);
    if (size) out_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    if (size) crc = crc32(crc, data, static_cast<uInt>(size));
    unsigned char sum[4];
    putBigEndian(sum, static_cast<std::uint32_t>(crc));
    out_.write(reinterpret_cast<const char*>(sum), 4);
}

// Compresses what zip_ holds as input; full output pieces become IDAT chunks as they fill.
void PngBandWriter::deflateInto(int flush) {
    for (;;) {
        if (zip_.avail_out == 0) {
            chunk("IDAT", compressed_.data(), kChunkBytes);
            zip_.next_out = compressed_.data();
            zip_.avail_out = static_cast<uInt>(kChunkBytes);
        }
        const int result = deflate(&zip_, flush);
        if (result == Z_STREAM_ERROR) throw std::runtime_error("The PNG compressor failed");
        if (flush == Z_FINISH) {
            if (result == Z_STREAM_END) return;
        } else if (zip_.avail_in == 0 && zip_.avail_out != 0) {
            return;  // all input taken
        }
    }
}

void PngBandWriter::addRows(const QImage& band) {
    if (band.width() != width_ || band.format() != QImage::Format_RGB32 ||
        rows_ + band.height() > height_)
        throw std::runtime_error("A band does not fit the PNG image");
    for (int y = 0; y < band.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(band.constScanLine(y));
        row_[0] = 0;  // filter: none
        unsigned char* to = row_.data() + 1;
        for (int x = 0; x < width_; ++x) {
            *to++ = static_cast<unsigned char>(qRed(pixels[x]));
            *to++ = static_cast<unsigned char>(qGreen(pixels[x]));
            *to++ = static_cast<unsigned char>(qBlue(pixels[x]));
        }
        zip_.next_in = row_.data();
        zip_.avail_in = static_cast<uInt>(row_.size());
        deflateInto(Z_NO_FLUSH);
    }
    rows_ += band.height();
}

void PngBandWriter::finish() {
    if (rows_ != height_) throw std::runtime_error("The PNG image is missing rows");
    zip_.next_in = nullptr;
    zip_.avail_in = 0;
    deflateInto(Z_FINISH);
    chunk("IDAT", compressed_.data(), kChunkBytes - zip_.avail_out);
    chunk("IEND", nullptr, 0);
}

}  // namespace ramulo
