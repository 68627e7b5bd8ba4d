#include "picture.h"

#include "error.h"

namespace zor {

Picture::Picture(int width, int height, std::uint32_t fill)
    : m_width(width)
    , m_height(height)
{
    if (width < 0 || height < 0)
        throw Error("a picture cannot have a negative size");
    m_pixels.assign(size_t(width) * size_t(height), fill);
}

} // namespace zor
