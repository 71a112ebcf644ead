#pragma once

#include <cstddef>
#include <cstdint>

// Takes small values off the end of a fuzz input, so that the whole input can
// serve as a file while its last bytes also choose how it is played. When the
// bytes run out every value is the low end of its range.
class TailBytes
{
public:
    TailBytes(const uint8_t *data, size_t size) : data(data), left(size) {}

    template <typename T>
    T inRange(T low, T high)
    {
        const uint64_t range = uint64_t(int64_t(high) - int64_t(low));
        uint64_t value = 0;
        for (size_t used = 0; used < sizeof(T) && (range >> (8 * used)) > 0 && left > 0; ++used)
            value = (value << 8) | data[--left];
        if (range != UINT64_MAX)
            value %= range + 1;
        return T(int64_t(low) + int64_t(value));
    }

    bool flag() { return inRange<int>(0, 1) == 1; }

    float floatIn(float low, float high)
    {
        return low + (high - low) * (float(inRange<uint32_t>(0, 0xFFFFFF)) / float(0xFFFFFF));
    }

    size_t remaining() const { return left; }

private:
    const uint8_t *data;
    size_t left;
};
