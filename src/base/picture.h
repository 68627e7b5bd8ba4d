#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace zor {

// Large pictures are backed by huge pages where the system offers them: a project's pictures
// can take hundreds of megabytes, and faulting them in 4 KiB pages dominates loading.
template<typename T>
struct PixelAllocator
{
    using value_type = T;
    PixelAllocator() = default;
    template<typename U>
    PixelAllocator(const PixelAllocator<U> &)
    {}
    T *allocate(std::size_t count);
    void deallocate(T *pointer, std::size_t) { std::free(pointer); }
    bool operator==(const PixelAllocator &) const { return true; }
};

using Pixels = std::vector<std::uint32_t, PixelAllocator<std::uint32_t>>;

// An RGB picture whose pixels are colour values 0x00BBGGRR (red in the low byte). Copies
// share their pixels until one of them is changed, so that copying a whole project is cheap.
class Picture
{
public:
    Picture() = default;
    Picture(int width, int height, std::uint32_t fill = 0);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }

    std::uint32_t pixel(int x, int y) const { return (*m_pixels)[std::size_t(y) * m_width + x]; }
    void setPixel(int x, int y, std::uint32_t colour)
    {
        if (m_pixels.use_count() > 1)
            detach();
        (*m_pixels)[std::size_t(y) * m_width + x] = colour;
    }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    bool operator==(const Picture &other) const;

private:
    void detach();

    int m_width = 0;
    int m_height = 0;
    std::shared_ptr<Pixels> m_pixels; // row by row
};

// Composes a colour value from its components, each taken modulo 256.
inline std::uint32_t makeColour(int red, int green, int blue)
{
    return std::uint32_t(red & 0xFF) | std::uint32_t(green & 0xFF) << 8 |
           std::uint32_t(blue & 0xFF) << 16;
}
inline int redOf(std::uint32_t colour)
{
    return colour & 0xFF;
}
inline int greenOf(std::uint32_t colour)
{
    return (colour >> 8) & 0xFF;
}
inline int blueOf(std::uint32_t colour)
{
    return (colour >> 16) & 0xFF;
}

} // namespace zor
