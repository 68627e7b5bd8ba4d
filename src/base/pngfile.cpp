#include "pngfile.h"

#include "error.h"
#include "filesystem.h"

#include <csetjmp>
#include <png.h>

namespace zor {

Picture readPng(const std::filesystem::path &path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        throw Error(path.string(), 0, std::string("cannot read the PNG picture: ") + image.message);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    const png_color magenta{255, 0, 255};
    if (!png_image_finish_read(&image, &magenta, rgb.data(), 0, nullptr)) {
        const std::string message = image.message;
        png_image_free(&image);
        throw Error(path.string(), 0, "cannot read the PNG picture: " + message);
    }
    Picture picture(int(image.width), int(image.height));
    const png_byte *p = rgb.data();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x, p += 3)
            picture.setPixel(x, y, makeColour(p[0], p[1], p[2]));
    }
    return picture;
}

namespace {

void appendToString(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<std::string *>(png_get_io_ptr(png))->append(reinterpret_cast<char *>(data), length);
}

// Kept free of objects with destructors: libpng reports errors by longjmp.
bool encodeRows(png_structp png, png_infop info, const Picture &picture, const PngOptions &options,
                png_byte *row, std::string *output)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, output, appendToString, nullptr);
    png_set_compression_level(png, options.compressionLevel);
    png_set_IHDR(png, info, png_uint_32(picture.width()), png_uint_32(picture.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (options.transparentColour) {
        png_color_16 key{};
        key.red = png_uint_16(redOf(*options.transparentColour));
        key.green = png_uint_16(greenOf(*options.transparentColour));
        key.blue = png_uint_16(blueOf(*options.transparentColour));
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    for (int y = 0; y < picture.height(); ++y) {
        png_byte *p = row;
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t colour = picture.pixel(x, y);
            *p++ = png_byte(redOf(colour));
            *p++ = png_byte(greenOf(colour));
            *p++ = png_byte(blueOf(colour));
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    return true;
}

} // namespace

std::string encodePng(const Picture &picture, const PngOptions &options)
{
    if (picture.isEmpty())
        throw Error("cannot write an empty picture as PNG");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw Error("out of memory while writing a PNG picture");
    }
    std::string output;
    std::vector<png_byte> row(size_t(picture.width()) * 3);
    const bool written = encodeRows(png, info, picture, options, row.data(), &output);
    png_destroy_write_struct(&png, &info);
    if (!written)
        throw Error("cannot write the PNG picture");
    return output;
}

void writePng(const std::filesystem::path &path, const Picture &picture, const PngOptions &options)
{
    replaceFile(path, encodePng(picture, options));
}

} // namespace zor
