#include <zlib.h>
#include <algorithm>
#include <new>

#include "formats/font_import.h"
#include "formats/marks.h"
#include "state/failure.h"

namespace fontedit::formats {

using state::Cause;
using state::Failure;

bool isGzip(std::string_view bytes) {
    return bytes.starts_with(kGzipMark);
}

std::string gunzip(std::string_view bytes) {
    z_stream stream{};
    // 16 above the window size: a gzip header and trailer around the deflate data.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) throw std::bad_alloc();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(std::min<std::size_t>(bytes.size(), kMostImportBytes));
    std::string out;
    int result = Z_OK;
    for (;;) {
        // One byte past the limit is enough to know the content is too large.
        const std::size_t room = std::min<std::size_t>(64 << 10, kMostImportBytes + 1 - out.size());
        const std::size_t start = out.size();
        out.resize(start + room);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + start);
        stream.avail_out = static_cast<uInt>(room);
        result = inflate(&stream, Z_NO_FLUSH);
        out.resize(out.size() - stream.avail_out);
        if (out.size() > kMostImportBytes) break;
        // As gzip itself does, a member that ends is followed by the next, if any.
        const std::size_t consumed = stream.total_in;
        const std::string_view rest = bytes.substr(std::min(consumed, bytes.size()));
        if (result == Z_STREAM_END && !rest.empty()) {
            if (!isGzip(rest)) {
                inflateEnd(&stream);
                throw Failure(Cause::GzipTrailing, {.value = std::to_string(consumed)});
            }
            const uLong total = stream.total_in;
            inflateReset(&stream);
            stream.total_in = total;
            result = Z_OK;
        }
        if (result != Z_OK) break;
    }
    inflateEnd(&stream);
    requireImportSize(out.size());
    if (result != Z_STREAM_END) throw Failure(Cause::GzipDamaged, {});
    // Unpacked once, as gzip -d does: what a second layer holds is not looked at.
    if (isGzip(out)) throw Failure(Cause::GzipInGzip, {});
    return out;
}

}  // namespace fontedit::formats
