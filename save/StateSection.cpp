// Compressing and inflating the battle's state in its save section.
#include "save/StateSection.h"

#include "save/SaveLimits.h"

#include <zlib.h>

#include <algorithm>

namespace Vorn {

namespace {

// zlib's fastest level: a 256-tank battle's state shrinks about as much as with the default level in a
// fraction of the time, and a quick save must not hold the picture.
constexpr int compressionLevel = Z_BEST_SPEED;
// Inflated a piece at a time, so that a hostile size allocates no more than the bytes really inflated.
constexpr std::size_t inflatePiece = 256 * 1024;

// Empty when zlib fails or the result is no smaller than the state.
std::string Deflated(std::string_view state) {
    uLongf length = compressBound(static_cast<uLong>(state.size()));
    std::string compressed(length, '\0');
    const int result = compress2(reinterpret_cast<Bytef*>(compressed.data()), &length,
                                 reinterpret_cast<const Bytef*>(state.data()),
                                 static_cast<uLong>(state.size()), compressionLevel);
    if (result != Z_OK || length >= state.size())
        return {};
    compressed.resize(length);
    return compressed;
}

// The whole stream into exactly `size` bytes; a stream that ends early, runs long, or leaves bytes unused
// is refused.
std::string Inflated(std::string_view compressed, std::size_t size, ByteReader& in) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        in.Fail("the battle's state cannot be inflated (zlib has no memory)");
        return {};
    }
    // The section's length is far below uInt's range (SaveLimits::maxSectionBytes).
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    std::string state;
    int result = Z_OK;
    while (result == Z_OK) {
        const std::size_t done = state.size();
        // One byte beyond the size is asked for, so a stream that runs long is seen.
        const std::size_t piece = std::min(inflatePiece, size + 1 - done);
        state.resize(done + piece);
        stream.next_out = reinterpret_cast<Bytef*>(state.data() + done);
        stream.avail_out = static_cast<uInt>(piece);
        result = inflate(&stream, Z_NO_FLUSH);
        state.resize(done + piece - stream.avail_out);
        if (state.size() > size)
            break;
    }
    const bool unused = stream.avail_in != 0;
    // zlib's reasons are static texts, kept before the stream is ended.
    const std::string reason = stream.msg != nullptr ? stream.msg : "cut short";
    inflateEnd(&stream);
    if (state.size() > size)
        in.Fail("the battle's state inflates to more than its " + std::to_string(size) + " bytes");
    else if (result != Z_STREAM_END)
        in.Fail("the battle's state is damaged (zlib: " + reason + ")");
    else if (state.size() != size)
        in.Fail("the battle's state inflates to fewer than its " + std::to_string(size) + " bytes");
    else if (unused)
        in.Fail("the battle's compressed state has bytes after its end");
    return in.Failed() ? std::string() : state;
}

} // namespace

std::string StateSectionBody(std::string_view state) {
    ByteWriter out;
    const std::string deflated = Deflated(state);
    out.U8(static_cast<std::uint8_t>(deflated.empty() ? StateEncoding::stored : StateEncoding::deflated));
    out.U32(static_cast<std::uint32_t>(state.size()));
    std::string body = out.Take();
    body += deflated.empty() ? state : std::string_view(deflated);
    return body;
}

std::string ReadStateSection(ByteReader& in) {
    const std::uint8_t encoding = in.U8("the state's encoding");
    const std::uint32_t size = in.Bounded("the state's size", SaveLimits::maxStateBytes);
    if (in.Failed())
        return {};
    if (encoding == static_cast<std::uint8_t>(StateEncoding::stored))
        return std::string(in.Take("the battle's state", size));
    if (encoding != static_cast<std::uint8_t>(StateEncoding::deflated)) {
        in.Fail("the state's encoding " + std::to_string(encoding) + " is unknown");
        return {};
    }
    return Inflated(in.Take("the battle's compressed state", in.Left()), size, in);
}

} // namespace Vorn
