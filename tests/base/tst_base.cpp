#include "base/codepage.h"
#include "base/error.h"
#include "base/filesystem.h"
#include "base/linefile.h"
#include "base/pngfile.h"
#include "base/rounding.h"
#include "base/table.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>
#include <png.h>

namespace fs = std::filesystem;
using namespace zor;
using zor::test::readFile;
using zor::test::TemporaryFolder;
using zor::test::writeFile;

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const struct
    {
        double value;
        int expected;
    } cases[] = {{0.5, 0},
                 {1.5, 2},
                 {2.5, 2},
                 {12.5, 12},
                 {-0.5, 0},
                 {-1.5, -2},
                 {-2.5, -2},
                 {0.49, 0},
                 {0.51, 1},
                 {-12.5, -12},
                 {7, 7},
                 {-7.2, -7},
                 {1e12, 2147483647},
                 {-1e12, -2147483647 - 1}};
    for (const auto &c : cases)
        EXPECT_EQ(rnd(c.value), c.expected) << c.value;
}

TEST(CodePage, RussianTextSurvivesBothWays)
{
    const std::string utf8 = "Группа 1: ёЁ №5 «ок»";
    const std::string cp1251 = utf8ToCp1251(utf8);
    EXPECT_EQ(cp1251.size(), 20u);                          // one byte per character
    EXPECT_EQ(static_cast<unsigned char>(cp1251[0]), 0xC3); // Г
    EXPECT_EQ(cp1251ToUtf8(cp1251), utf8);
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToCp1251("a漢b😀c"), "a?b?c");
    EXPECT_EQ(utf8ToCp1251(std::string("x\xff\xfey")), "x??y"); // not UTF-8 at all
    EXPECT_EQ(cp1251ToUtf8(std::string("a\x98z")), "a?z");      // the one undefined byte
}

TEST(Table, RefusesIndicesOutsideItsRange)
{
    Table<int, 1, 3> table;
    table[1] = 5;
    table[3] = 7;
    EXPECT_EQ(table[1] + table[3], 12);
    EXPECT_THROW(table[0], Error);
    EXPECT_THROW(table[4], Error);
}

TEST(LineFile, ReadsCrLfAndLfLinesWithNumbersAndTexts)
{
    TemporaryFolder folder;
    writeFile(folder / "a.txt", "12\r\n-3\n" + utf8ToCp1251("Имя") + "\r\n 12,5 \r\n\r\nlast");
    LineReader in(folder / "a.txt");
    EXPECT_EQ(in.nextInt("a"), 12);
    EXPECT_EQ(in.nextInt("b"), -3);
    EXPECT_EQ(in.nextText("c"), "Имя");
    EXPECT_EQ(in.nextDecimal("d"), 12.5);
    EXPECT_EQ(in.nextText("e"), "");
    EXPECT_EQ(in.nextRaw("f"), "last");
    EXPECT_TRUE(in.atEnd());
    try {
        in.nextInt("the number of levels");
        FAIL() << "read past the end";
    } catch (const Error &error) {
        EXPECT_EQ(error.where(), (folder / "a.txt").string() +
                                     ":7: the file ends early; expected the number of levels");
    }
}

TEST(LineFile, NamesTheLineAndWhatWasExpected)
{
    TemporaryFolder folder;
    writeFile(folder / "b.txt", "1\r\n2x\r\n99999999999\r\n");
    LineReader in(folder / "b.txt");
    in.nextInt("a");
    try {
        in.nextInt("a map cell");
        FAIL();
    } catch (const Error &error) {
        EXPECT_EQ(error.line(), 2);
        EXPECT_STREQ(error.what(), "expected a map cell (a whole number), found \"2x\"");
    }
    EXPECT_THROW(in.nextInt("a number too large"), Error);
}

TEST(LineFile, QuickIntegerReadingAgreesWithLineByLineReading)
{
    TemporaryFolder folder;
    // Lines that the quick path takes and lines it must hand over, across chunk boundaries.
    const std::vector<std::string> texts = {"0",         "-1",         "16777215",    "99999999",
                                            "123456789", "2147483647", "-2147483648", " 5",
                                            "7 ",        "+3",         "-0",          "00000012"};
    std::string bytes;
    std::vector<int> expected;
    for (int round = 0; round < 30000; ++round) {
        const std::string &text = texts[size_t(round) % texts.size()];
        bytes += text + (round % 3 ? "\r\n" : "\n");
        expected.push_back(std::stoi(text));
    }
    bytes += "42"; // the last line without a line end
    expected.push_back(42);
    writeFile(folder / "ints.txt", bytes);

    LineReader in(folder / "ints.txt");
    std::vector<int> values(expected.size());
    in.nextInts(values.data(), values.size(), "a value");
    EXPECT_EQ(values, expected);
    EXPECT_EQ(in.lineNumber(), long(expected.size()));
    EXPECT_TRUE(in.atEnd());

    writeFile(folder / "bad.txt", "1\r\n2\r\n2147483648\r\n");
    LineReader bad(folder / "bad.txt");
    try {
        bad.nextInts(values.data(), 3, "a pixel colour");
        FAIL();
    } catch (const Error &error) {
        EXPECT_EQ(error.line(), 3);
    }
}

TEST(LineFile, LinesLongerThanOneChunkAreWhole)
{
    TemporaryFolder folder;
    const std::string longLine(700000, 'x');
    writeFile(folder / "long.txt", "a\r\n" + longLine + "\r\n" + longLine + "y");
    LineReader in(folder / "long.txt");
    EXPECT_EQ(in.nextRaw("a"), "a");
    EXPECT_EQ(in.nextRaw("b"), longLine);
    EXPECT_EQ(in.nextRaw("c"), longLine + "y");
    EXPECT_TRUE(in.atEnd());
}

TEST(LineFile, WriterWritesCodePageAndCrLfAndReplacesOnlyOnCommit)
{
    TemporaryFolder folder;
    const fs::path file = folder / "out.txt";
    writeFile(file, "old");
    {
        LineWriter out(file);
        out.writeInt(-42);
        out.writeText("Уровень");
        // destroyed without commit: the old file stays, no temporary file is left
    }
    EXPECT_EQ(readFile(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

    LineWriter out(file);
    out.writeInt(-42);
    out.writeText("Уровень");
    out.writeRaw("");
    out.commit();
    EXPECT_EQ(readFile(file), "-42\r\n" + utf8ToCp1251("Уровень") + "\r\n\r\n");
}

TEST(AtomicFile, FailureKeepsTheOldFileAndSaysWhy)
{
    TemporaryFolder folder;
    EXPECT_THROW(replaceFile(folder / "missing-folder" / "x.txt", "data"), Error);
    fs::create_directory(folder / "taken");
    try {
        replaceFile(folder / "taken", "data"); // a folder stands where the file should go
        FAIL();
    } catch (const Error &error) {
        EXPECT_NE(std::string(error.what()).find("cannot replace"), std::string::npos);
    }
    EXPECT_TRUE(fs::is_directory(folder / "taken"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(FileMatch, MatchesDeletesAndCopiesByPattern)
{
    TemporaryFolder folder;
    fs::create_directories(folder / "from");
    fs::create_directories(folder / "to");
    for (const char *name : {"a.java", "b.java", "c.png", "d.java.bak"})
        writeFile(folder / "from" / name, name);
    writeFile(folder / "to" / "a.java", "kept");

    EXPECT_EQ(matchFiles(folder / "from", "*.java").size(), 2u);
    EXPECT_EQ(copyFiles(folder / "from", "*.java", folder / "to", false), 1);
    EXPECT_EQ(readFile(folder / "to" / "a.java"), "kept");
    EXPECT_EQ(copyFiles(folder / "from", "*.java", folder / "to", true), 2);
    EXPECT_EQ(readFile(folder / "to" / "a.java"), "a.java");
    EXPECT_EQ(deleteFiles(folder / "from", "*.java"), 2);
    EXPECT_EQ(deleteFiles(folder / "from", "*.mid"), 0);
    EXPECT_EQ(deleteFiles(folder / "no-such-folder", "*.java"), 0);
    EXPECT_EQ(matchFiles(folder / "from", "*").size(), 2u);
}

namespace {

// Writes a PNG in any colour type with libpng's simplified interface.
void writeTestPng(const fs::path &file, png_uint_32 format, const std::vector<png_byte> &pixels,
                  int width, int height, const std::vector<png_byte> &colourMap = {})
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.format = format;
    image.colormap_entries = png_uint_32(colourMap.size() / 3);
    ASSERT_TRUE(png_image_write_to_file(&image, file.c_str(), 0, pixels.data(), 0,
                                        colourMap.empty() ? nullptr : colourMap.data()));
}

} // namespace

TEST(Png, ReadsEveryColourType)
{
    TemporaryFolder folder;
    // 2 x 1 pictures: red and blue, in RGB, RGBA, grey and palette form.
    writeTestPng(folder / "rgb.png", PNG_FORMAT_RGB, {255, 0, 0, 0, 0, 255}, 2, 1);
    writeTestPng(folder / "rgba.png", PNG_FORMAT_RGBA, {255, 0, 0, 255, 0, 0, 255, 0}, 2, 1);
    writeTestPng(folder / "grey.png", PNG_FORMAT_GRAY, {0, 200}, 2, 1);
    writeTestPng(folder / "palette.png", PNG_FORMAT_RGB_COLORMAP, {1, 0}, 2, 1,
                 {0, 0, 255, 255, 0, 0});

    const Picture rgb = readPng(folder / "rgb.png");
    ASSERT_EQ(rgb.width(), 2);
    ASSERT_EQ(rgb.height(), 1);
    EXPECT_EQ(rgb.pixel(0, 0), 0x0000FFu); // 0x00BBGGRR: red in the low byte
    EXPECT_EQ(rgb.pixel(1, 0), 0xFF0000u);

    const Picture rgba = readPng(folder / "rgba.png");
    EXPECT_EQ(rgba.pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(rgba.pixel(1, 0), 0xFF00FFu); // fully transparent pixels turn magenta

    const Picture grey = readPng(folder / "grey.png");
    EXPECT_EQ(grey.pixel(0, 0), 0u);
    EXPECT_EQ(redOf(grey.pixel(1, 0)), greenOf(grey.pixel(1, 0)));

    EXPECT_EQ(readPng(folder / "palette.png"), rgb);
}

TEST(Png, WritesRgbWithTheTransparentColourAndReadsItBack)
{
    TemporaryFolder folder;
    Picture picture(3, 2, makeColour(10, 20, 30));
    picture.setPixel(2, 1, makeColour(200, 100, 0));
    writePng(folder / "out.png", picture, {makeColour(10, 20, 30), 1});
    EXPECT_EQ(readPng(folder / "out.png").pixel(2, 1), makeColour(200, 100, 0));

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, (folder / "out.png").c_str()));
    EXPECT_TRUE(image.format & PNG_FORMAT_FLAG_ALPHA); // the tRNS chunk gives an alpha channel
    png_image_free(&image);

    writeFile(folder / "broken.png", "\x89PNG\r\n\x1a\nnot really");
    EXPECT_THROW(readPng(folder / "broken.png"), Error);
    EXPECT_THROW(readPng(folder / "missing.png"), Error);
}
