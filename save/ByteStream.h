// Little-endian fields for the save file: a writer that appends them and a reader that takes them from
// hostile bytes, never reading past the end and never trusting a count before it is checked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Vorn {

// A text read from hostile bytes, fit for a fault's one line: anything but printable ASCII becomes '?'.
std::string ShownInFault(std::string text);

class ByteWriter {
public:
    void U8(std::uint8_t value) { bytes.push_back(static_cast<char>(value)); }
    void U32(std::uint32_t value);
    void U64(std::uint64_t value);
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    // One byte, 0 or 1.
    void Flag(bool value) { U8(value ? 1 : 0); }
    // Floats and doubles by their bits, so they come back exactly.
    void F32(float value);
    void F64(double value);
    // A 32-bit length, then the bytes.
    void String(std::string_view text);

    const std::string& Bytes() const { return bytes; }
    std::string Take() { return std::move(bytes); }

private:
    std::string bytes;
};

// After the first fault every read answers 0 and the fault stays the first one, so a parser can read a
// whole record and look once; each read names its field for the fault.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes(bytes) {}

    std::uint8_t U8(const char* what);
    std::uint32_t U32(const char* what);
    std::uint64_t U64(const char* what);
    std::int32_t I32(const char* what) { return static_cast<std::int32_t>(U32(what)); }
    // Refuses NaN and infinities: no field of a save holds them.
    float F32(const char* what);
    double F64(const char* what);
    // One byte, 0 or 1.
    bool Flag(const char* what);
    // A whole number at most `highest`.
    std::uint32_t Bounded(const char* what, std::uint32_t highest);
    // A count of at most `highest` items of at least `itemBytes` each, refused when the bytes left could
    // not hold that many: a hostile count never makes the caller allocate.
    std::size_t Count(const char* what, std::size_t highest, std::size_t itemBytes);
    std::string String(const char* what, std::size_t maxBytes);
    // Takes the next `length` bytes as they are.
    std::string_view Take(const char* what, std::size_t length);

    // Records a fault found by the caller (a value out of its range), unless one came first.
    void Fail(const std::string& reason);
    bool Failed() const { return !fault.empty(); }
    const std::string& Fault() const { return fault; }
    std::size_t Left() const { return bytes.size() - position; }
    bool AtEnd() const { return position == bytes.size(); }

private:
    bool Have(const char* what, std::size_t count);

    std::string_view bytes;
    std::size_t position = 0;
    std::string fault;
};

} // namespace Vorn
