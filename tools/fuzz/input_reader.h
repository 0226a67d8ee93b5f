// Takes a fuzz input apart front to back into the values a target asks for.
// Past the end every read answers zero or nothing, so a short input is still
// a whole run. Numbers are big-endian, so seed files written by hand read as
// they are meant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace nimbo::fuzz {

class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return pos_ >= size_; }
    std::size_t Remaining() const { return size_ - pos_; }

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool Bool() { return (Byte() & 1) != 0; }

    std::uint16_t U16()
    {
        std::uint16_t hi = Byte();
        return static_cast<std::uint16_t>(hi << 8 | Byte());
    }

    std::int32_t Int32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = v << 8 | Byte();
        return static_cast<std::int32_t>(v);
    }

    // Up to count bytes: fewer at the end of the input.
    std::vector<std::uint8_t> Bytes(std::size_t count)
    {
        std::size_t n = count < Remaining() ? count : Remaining();
        std::vector<std::uint8_t> out(data_ + pos_, data_ + pos_ + n);
        pos_ += n;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace nimbo::fuzz
