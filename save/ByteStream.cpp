// Little-endian fields for the save file.
#include "save/ByteStream.h"

#include <bit>
#include <cmath>

namespace Vorn {

std::string ShownInFault(std::string text) {
    for (char& c : text)
        if (c < ' ' || c > '~')
            c = '?';
    return text;
}

void ByteWriter::U32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        U8(static_cast<std::uint8_t>(value >> shift));
}

void ByteWriter::U64(std::uint64_t value) {
    for (int shift = 0; shift < 64; shift += 8)
        U8(static_cast<std::uint8_t>(value >> shift));
}

void ByteWriter::F32(float value) {
    U32(std::bit_cast<std::uint32_t>(value));
}

void ByteWriter::F64(double value) {
    U64(std::bit_cast<std::uint64_t>(value));
}

void ByteWriter::String(std::string_view text) {
    U32(static_cast<std::uint32_t>(text.size()));
    bytes.append(text);
}

void ByteReader::Fail(const std::string& reason) {
    if (fault.empty())
        fault = reason;
}

bool ByteReader::Have(const char* what, std::size_t count) {
    if (Failed())
        return false;
    if (Left() >= count)
        return true;
    Fail(std::string("cut short in ") + what);
    return false;
}

std::uint8_t ByteReader::U8(const char* what) {
    if (!Have(what, 1))
        return 0;
    return static_cast<std::uint8_t>(bytes[position++]);
}

std::uint32_t ByteReader::U32(const char* what) {
    if (!Have(what, 4))
        return 0;
    std::uint32_t value = 0;
    for (int index = 0; index < 4; ++index)
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[position++])) << (8 * index);
    return value;
}

std::uint64_t ByteReader::U64(const char* what) {
    if (!Have(what, 8))
        return 0;
    std::uint64_t value = 0;
    for (int index = 0; index < 8; ++index)
        value |= static_cast<std::uint64_t>(static_cast<std::uint8_t>(bytes[position++])) << (8 * index);
    return value;
}

float ByteReader::F32(const char* what) {
    const float value = std::bit_cast<float>(U32(what));
    if (!std::isfinite(value)) {
        Fail(std::string(what) + " is not a finite number");
        return 0;
    }
    return value;
}

double ByteReader::F64(const char* what) {
    const double value = std::bit_cast<double>(U64(what));
    if (!std::isfinite(value)) {
        Fail(std::string(what) + " is not a finite number");
        return 0;
    }
    return value;
}

bool ByteReader::Flag(const char* what) {
    const std::uint8_t value = U8(what);
    if (value > 1)
        Fail(std::string(what) + " " + std::to_string(value) + " is neither 0 nor 1");
    return value == 1;
}

std::uint32_t ByteReader::Bounded(const char* what, std::uint32_t highest) {
    const std::uint32_t value = U32(what);
    if (value > highest) {
        Fail(std::string(what) + " " + std::to_string(value) + " is above " + std::to_string(highest));
        return 0;
    }
    return value;
}

std::size_t ByteReader::Count(const char* what, std::size_t highest, std::size_t itemBytes) {
    const std::uint32_t count = U32(what);
    if (Failed())
        return 0;
    if (count > highest) {
        Fail(std::string(what) + " " + std::to_string(count) + " is above the limit of " +
             std::to_string(highest));
        return 0;
    }
    if (itemBytes != 0 && count > Left() / itemBytes) {
        Fail(std::string(what) + " " + std::to_string(count) + " is more than the section holds");
        return 0;
    }
    return count;
}

std::string ByteReader::String(const char* what, std::size_t maxBytes) {
    const std::size_t length = Count(what, maxBytes, 1);
    return std::string(Take(what, length));
}

std::string_view ByteReader::Take(const char* what, std::size_t length) {
    if (!Have(what, length))
        return {};
    const std::string_view taken = bytes.substr(position, length);
    position += length;
    return taken;
}

} // namespace Vorn
