#include "codepage.h"

#include "error.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace zor {
namespace {

class Converter
{
public:
    Converter(const char *to, const char *from)
        : m_descriptor(iconv_open(to, from))
    {
        if (m_descriptor == reinterpret_cast<iconv_t>(-1))
            throw Error(std::string("cannot convert text from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_descriptor); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts `input`; a sequence that cannot be converted becomes one "?" and the
    // conversion goes on after it (after `skipLength` bytes).
    template<typename SkipLength>
    std::string convert(std::string_view input, SkipLength skipLength)
    {
        std::string output;
        output.resize(input.size() * 2 + 8);
        char *in = const_cast<char *>(input.data());
        size_t inLeft = input.size();
        char *out = output.data();
        size_t outLeft = output.size();
        iconv(m_descriptor, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            if (iconv(m_descriptor, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG) {
                const size_t used = out - output.data();
                output.resize(output.size() * 2);
                out = output.data() + used;
                outLeft = output.size() - used;
                continue;
            }
            // EILSEQ or EINVAL: an unconvertible or incomplete sequence.
            const size_t skip = std::min(inLeft, skipLength(static_cast<unsigned char>(*in)));
            in += skip;
            inLeft -= skip;
            if (outLeft == 0) {
                const size_t used = out - output.data();
                output.resize(output.size() * 2);
                out = output.data() + used;
                outLeft = output.size() - used;
            }
            *out++ = '?';
            --outLeft;
        }
        output.resize(out - output.data());
        return output;
    }

private:
    iconv_t m_descriptor;
};

bool isAscii(std::string_view text)
{
    for (unsigned char c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

size_t utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

std::string cp1251ToUtf8(std::string_view cp1251)
{
    if (isAscii(cp1251))
        return std::string(cp1251);
    thread_local Converter converter("UTF-8", "CP1251");
    // The one byte code page 1251 leaves undefined (0x98) becomes "?".
    return converter.convert(cp1251, [](unsigned char) { return size_t(1); });
}

std::string utf8ToCp1251(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    thread_local Converter converter("CP1251", "UTF-8");
    return converter.convert(utf8, utf8SequenceLength);
}

} // namespace zor
