#include "picture.h"

#include "error.h"

#include <new>
#include <sys/mman.h>

namespace zor {

template<typename T>
T *PixelAllocator<T>::allocate(std::size_t count)
{
    constexpr std::size_t hugePage = 2 << 20;
    const std::size_t bytes = count * sizeof(T);
    if (bytes < hugePage) {
        if (void *memory = std::malloc(bytes ? bytes : 1))
            return static_cast<T *>(memory);
        throw std::bad_alloc();
    }
    const std::size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
    void *memory = std::aligned_alloc(hugePage, rounded);
    if (!memory)
        throw std::bad_alloc();
    madvise(memory, rounded, MADV_HUGEPAGE);
    return static_cast<T *>(memory);
}

template struct PixelAllocator<std::uint32_t>;

Picture::Picture(int width, int height, std::uint32_t fill)
    : m_width(width)
    , m_height(height)
{
    if (width < 0 || height < 0)
        throw Error("a picture cannot have a negative size");
    m_pixels = std::make_shared<Pixels>(size_t(width) * size_t(height), fill);
}

void Picture::detach()
{
    m_pixels = std::make_shared<Pixels>(*m_pixels);
}

bool Picture::operator==(const Picture &other) const
{
    if (m_width != other.m_width || m_height != other.m_height)
        return false;
    return m_pixels == other.m_pixels || isEmpty() || *m_pixels == *other.m_pixels;
}

} // namespace zor
