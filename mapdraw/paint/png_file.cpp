#include "mapdraw/paint/png_file.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace qor::map {

namespace {

void put32(std::vector<unsigned char>& out, std::uint32_t value) {
    out.push_back(static_cast<unsigned char>(value >> 24));
    out.push_back(static_cast<unsigned char>(value >> 16));
    out.push_back(static_cast<unsigned char>(value >> 8));
    out.push_back(static_cast<unsigned char>(value));
}

// A chunk: length, type, data, and the CRC of type and data.
void chunk(std::vector<unsigned char>& out, const char* type, const unsigned char* data,
           std::size_t size) {
    put32(out, static_cast<std::uint32_t>(size));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    if (size > 0) out.insert(out.end(), data, data + size);
    const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(size + 4));
    put32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::string write_png_file(const QImage& source, const std::string& path) {
    const QImage image =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<std::size_t>(image.width());
    const auto height = static_cast<std::size_t>(image.height());
    const std::size_t row_bytes = width * 3;

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(path.c_str(), "wb"),
                                                        &std::fclose);
    if (!out) return "cannot write " + path;
    std::vector<unsigned char> head = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    put32(header, static_cast<std::uint32_t>(width));
    put32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filters, no interlace
    chunk(head, "IHDR", header.data(), header.size());
    bool ok = std::fwrite(head.data(), 1, head.size(), out.get()) == head.size();

    // Rows are filtered and compressed one at a time into a small buffer
    // that is written out as an IDAT chunk whenever it fills: the picture is
    // never held twice in memory.
    z_stream stream{};
    if (deflateInit2(&stream, 1, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK) {
        return "cannot write " + path + ": no compressor";
    }
    constexpr std::size_t buffer_size = 1 << 16;
    std::vector<unsigned char> buffer(buffer_size);
    std::vector<unsigned char> chunk_bytes;
    auto drain = [&](int flush) {
        int status = Z_OK;
        do {
            stream.next_out = buffer.data();
            stream.avail_out = static_cast<uInt>(buffer.size());
            status = deflate(&stream, flush);
            const std::size_t produced = buffer.size() - stream.avail_out;
            if (produced > 0) {
                chunk_bytes.clear();
                chunk(chunk_bytes, "IDAT", buffer.data(), produced);
                ok = ok && std::fwrite(chunk_bytes.data(), 1, chunk_bytes.size(), out.get()) ==
                               chunk_bytes.size();
            }
        } while (stream.avail_out == 0 && status != Z_STREAM_END && status != Z_STREAM_ERROR);
        return status;
    };

    // Every row is stored as its difference from the row above ("Up"):
    // flat colours and bands become runs of zeros, which the compressor
    // takes in stride.
    std::vector<unsigned char> current(row_bytes), previous(row_bytes, 0);
    std::vector<unsigned char> row(row_bytes + 1);
    for (std::size_t y = 0; y < height && ok; ++y) {
        const auto* pixels =
            reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(y)));
        unsigned char* rgb = current.data();
        for (std::size_t x = 0; x < width; ++x) {
            const QRgb pixel = pixels[x];
            rgb[3 * x] = static_cast<unsigned char>(pixel >> 16);
            rgb[3 * x + 1] = static_cast<unsigned char>(pixel >> 8);
            rgb[3 * x + 2] = static_cast<unsigned char>(pixel);
        }
        row[0] = 2;
        const unsigned char* above = previous.data();
        unsigned char* filtered = row.data() + 1;
        for (std::size_t i = 0; i < row_bytes; ++i) {
            filtered[i] = static_cast<unsigned char>(rgb[i] - above[i]);
        }
        stream.next_in = row.data();
        stream.avail_in = static_cast<uInt>(row.size());
        if (drain(Z_NO_FLUSH) == Z_STREAM_ERROR) ok = false;
        current.swap(previous);
    }
    const bool finished = ok && drain(Z_FINISH) == Z_STREAM_END;
    deflateEnd(&stream);
    if (!finished) return "cannot write " + path;
    std::vector<unsigned char> tail;
    chunk(tail, "IEND", nullptr, 0);
    if (std::fwrite(tail.data(), 1, tail.size(), out.get()) != tail.size())
        return "cannot write " + path;
    if (std::fclose(out.release()) != 0) return "cannot write " + path;
    return {};
}

}  // namespace qor::map
