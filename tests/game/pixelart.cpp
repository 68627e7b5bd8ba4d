#include "pixelart.h"

#include "base/error.h"

#include <map>

namespace zor::game::art {
namespace {

using Rows = std::vector<std::string>;

const std::map<char, std::uint32_t> &palette()
{
    static const std::map<char, std::uint32_t> colours = {
        {'.', makeColour(255, 0, 255)},   // transparent
        {'k', makeColour(34, 24, 38)},    // outline
        {'h', makeColour(120, 64, 32)},   // hair
        {'H', makeColour(170, 100, 50)},  // hair, lit
        {'s', makeColour(248, 196, 150)}, // skin
        {'S', makeColour(210, 150, 110)}, // skin, shaded
        {'w', makeColour(255, 255, 255)}, // white
        {'e', makeColour(30, 30, 60)},    // eye
        {'r', makeColour(214, 56, 56)},   // shirt
        {'R', makeColour(150, 34, 44)},   // shirt, shaded
        {'b', makeColour(60, 84, 180)},   // trousers
        {'B', makeColour(36, 50, 120)},   // trousers, shaded
        {'o', makeColour(96, 56, 28)},    // boots
        {'g', makeColour(88, 176, 64)},   // grass
        {'G', makeColour(48, 120, 48)},   // grass, dark
        {'l', makeColour(150, 214, 96)},  // grass, lit
        {'d', makeColour(150, 98, 56)},   // earth
        {'D', makeColour(110, 70, 40)},   // earth, dark
        {'p', makeColour(186, 136, 86)},  // pebble
        {'c', makeColour(176, 72, 48)},   // brick
        {'C', makeColour(122, 106, 96)},  // mortar
        {'t', makeColour(140, 140, 152)}, // stone
        {'T', makeColour(96, 96, 112)},   // stone, dark
        {'L', makeColour(192, 192, 204)}, // stone, lit
        {'y', makeColour(255, 210, 40)},  // gold
        {'Y', makeColour(200, 136, 20)},  // gold, dark
        {'z', makeColour(255, 246, 170)}, // gold, lit
        {'n', makeColour(168, 110, 52)},  // wood
        {'N', makeColour(110, 68, 30)},   // wood, dark
        {'m', makeColour(170, 90, 220)},  // slime
        {'M', makeColour(110, 50, 160)},  // slime, dark
        {'q', makeColour(226, 180, 250)}, // slime, lit
        {'a', makeColour(70, 52, 92)},    // bat
        {'A', makeColour(120, 90, 150)},  // bat's wing
        {'x', makeColour(255, 64, 64)},   // red eye
        {'u', makeColour(250, 250, 255)}, // cloud
        {'U', makeColour(200, 214, 240)}, // cloud, shaded
        {'f', makeColour(250, 230, 80)},  // flower
        {'F', makeColour(240, 80, 96)},   // flower, red
        {'i', makeColour(232, 204, 144)}, // sand
        {'I', makeColour(204, 168, 108)}, // sand, dark
        {'v', makeColour(84, 140, 200)},  // hills far away
        {'V', makeColour(64, 112, 172)},  // hills, dark
    };
    return colours;
}

Picture draw(const Rows &rows)
{
    const int height = int(rows.size());
    const int width = int(rows.front().size());
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        const std::string &row = rows[size_t(y)];
        if (int(row.size()) != width)
            throw Error("pixel art row " + std::to_string(y) + " is " + std::to_string(row.size()) +
                        " pixels wide, not " + std::to_string(width));
        for (int x = 0; x < width; ++x) {
            const auto colour = palette().find(row[size_t(x)]);
            if (colour == palette().end())
                throw Error(std::string("pixel art uses an unknown colour '") + row[size_t(x)] +
                            "'");
            picture.setPixel(x, y, colour->second);
        }
    }
    return picture;
}

Rows joined(const Rows &top, const Rows &bottom)
{
    Rows rows = top;
    rows.insert(rows.end(), bottom.begin(), bottom.end());
    return rows;
}

Picture mirrored(const Picture &picture)
{
    Picture result(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            result.setPixel(picture.width() - 1 - x, y, picture.pixel(x, y));
    }
    return result;
}

Picture stripOf(const std::vector<Picture> &frames)
{
    int width = 0;
    for (const Picture &frame : frames)
        width += frame.width();
    Picture strip(width, frames.front().height());
    int left = 0;
    for (const Picture &frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x)
                strip.setPixel(left + x, y, frame.pixel(x, y));
        }
        left += frame.width();
    }
    return strip;
}

const Rows heroSide = {
    "................", //
    "................", //
    ".....kkkkkk.....", //
    "....khhhhhhk....", //
    "...khhHHhhhhk...", //
    "...khhhhhssskk..", //
    "...khhhsssswek..", //
    "...khhsssssssk..", //
    "....khsssSSkk...", //
    ".....kkssskk....", //
    "....krrrrrrk....", //
    "...krrrrrrrrk...", //
    "...krRrrrrrsk...", //
    "...krRrrrrrsk...", //
    "...ksRrrrrrk....", //
    "....krrrrrrk....", //
    "....kbbbbbbk....", //
    "....kbbbbbbk....", //
};

const Rows legsStand = {
    "....kbbkkbbk....", //
    "....kbbkkbbk....", //
    "....kbBkkbBk....", //
    "....kBBkkBBk....", //
    "....kookkooook..", //
    "....kkkk.kkkkk..", //
};

const Rows legsStride = {
    "....kbbkkbbk....", //
    "...kbbk..kbbk...", //
    "..kbbk....kbbk..", //
    "..kBBk....kBBk..", //
    ".koook....kooook", //
    ".kkkkk....kkkkkk", //
};

const Rows legsPass = {
    "....kbbbbbbk....", //
    ".....kbbbbk.....", //
    ".....kbBbbk.....", //
    ".....kBBBBk.....", //
    ".....kooooook...", //
    ".....kkkkkkkk...", //
};

const Rows heroBack = {
    "................", //
    "................", //
    ".....kkkkkk.....", //
    "....khhhhhhk....", //
    "...khhHHhhhhk...", //
    "...khhhhhhhhk...", //
    "...khhhhhhhhk...", //
    "...khhhhhhhhk...", //
    "....khhhhhhk....", //
    ".....kkSSkk.....", //
    "..kkkrrrrrrkkk..", //
    ".kskrrrrrrrrksk.", //
    ".kskRrrrrrrRksk.", //
    ".kk.kRrrrrRk.kk.", //
    "....kRrrrrRk....", //
    "....krrrrrrk....", //
    "....kbbbbbbk....", //
    "....kbbbbbbk....", //
};

const Rows legsClimb = {
    "....kbbkkbbk....", //
    "....kbbkkbbk....", //
    "....kbBkkbBk....", //
    "....kookkBBk....", //
    "....kkkkkbBk....", //
    ".........kok....", //
};

const Rows heroFront = {
    "................", //
    "................", //
    ".....kkkkkk.....", //
    "....khhhhhhk....", //
    "...khhHHhhhhk...", //
    "...khhhhhhhhk...", //
    "...khsssssshk...", //
    "...kswesswesk...", //
    "...ksssssssSk...", //
    "....kssSSssk....", //
    ".....kkkkkk.....", //
    "...krrrrrrrrk...", //
    "..ksRrrrrrrRsk..", //
    "..ksRrrrrrrRsk..", //
    "..kkkrrrrrrkkk..", //
    "....krrrrrrk....", //
    "....kbbbbbbk....", //
    "....kbbbbbbk....", //
};

const Rows legsFront = {
    "....kbbkkbbk....", //
    "....kbbkkbbk....", //
    "....kbBkkBbk....", //
    "....kBBkkBBk....", //
    "...kookk.kook...", //
    "...kkkk..kkkk...", //
};

const Rows legsFrontStep = {
    "....kbbkkbbk....", //
    "....kbbkkbbk....", //
    "....kbBkkBbk....", //
    "....kBBkkook....", //
    "...kookk.kkk....", //
    "...kkkk.........", //
};

} // namespace

std::uint32_t keyColour()
{
    return palette().at('.');
}

Picture hero()
{
    const Picture stand = draw(joined(heroSide, legsStand));
    const Picture stride = draw(joined(heroSide, legsStride));
    const Picture pass = draw(joined(heroSide, legsPass));
    const Picture climb = draw(joined(heroBack, legsClimb));
    return stripOf({stand, stride, pass, mirrored(stand), mirrored(stride), mirrored(pass), climb,
                    mirrored(climb), draw(joined(heroFront, legsFront)),
                    draw(joined(heroFront, legsFrontStep))});
}

Picture slime()
{
    const Picture crawl = draw({
        "................", //
        "................", //
        "................", //
        "................", //
        "......kkkk......", //
        "....kkmmmmkk....", //
        "...kmqqmmmmmk...", //
        "..kmqqmmmmmmmk..", //
        "..kmqmmmmmmmmk..", //
        ".kmmmmwekmwekmk.", //
        ".kmmmmwekmwekmk.", //
        ".kmmmmmmmmmmmmk.", //
        ".kMmmmmkkkmmmMk.", //
        ".kMMmmmmmmmmMMk.", //
        "..kMMMMMMMMMMk..", //
        "...kkkkkkkkkk...", //
    });
    const Picture squeeze = draw({
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        ".....kkkkkk.....", //
        "...kkmmmmmmkk...", //
        "..kmqqmmmmmmmk..", //
        ".kmqmmwekmwekmk.", //
        ".kmmmmwekmwekmk.", //
        "kmmmmmmmmmmmmmmk", //
        "kMmmmmmkkkmmmmMk", //
        "kMMmmmmmmmmmmMMk", //
        ".kMMMMMMMMMMMMk.", //
        "..kkkkkkkkkkkk..", //
    });
    const Picture flat = draw({
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "....kkkkkkkk....", //
        "..kkmmmmmmmmkk..", //
        ".kmqmkekmkekmmk.", //
        "kMmmmmmmmmmmmmMk", //
        "kMMMMMMMMMMMMMMk", //
        ".kkkkkkkkkkkkkk.", //
    });
    const Picture splash = draw({
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "..k..........k..", //
        ".kmk...kk...kmk.", //
        "..k...kmmk...k..", //
        "......kqmk......", //
        "...kk.kkkk.kk...", //
        "..kmmk....kmmk..", //
        "kkkMMkk..kkMMkkk", //
        "kMMMMMMkkMMMMMMk", //
    });
    return stripOf({crawl, squeeze, flat, splash});
}

Picture bat()
{
    const Picture up = draw({
        "................", //
        "................", //
        ".kAk..k..k..kAk.", //
        ".kAAk.kkkk.kAAk.", //
        ".kAAAkaaaakAAAk.", //
        ".kAAAkxaaxkAAAk.", //
        "..kAAkaaaakAAk..", //
        "..kAAkawwakAAk..", //
        "...kAkaaaakAk...", //
        "....kkkaakkk....", //
        "......kaak......", //
        ".......kk.......", //
        "................", //
        "................", //
        "................", //
        "................", //
    });
    const Picture down = draw({
        "................", //
        "................", //
        "................", //
        "................", //
        "......k..k......", //
        "......kkkk......", //
        "....kkaaaakk....", //
        "..kkAkxaaxkAkk..", //
        ".kAAAkaaaakAAAk.", //
        "kAAAAkawwakAAAAk", //
        "kAAAkkaaaakkAAAk", //
        "kAAk..kaak..kAAk", //
        "kAk....kk....kAk", //
        "kk............kk", //
        "................", //
        "................", //
    });
    return stripOf({up, down});
}

Picture coin()
{
    return stripOf({draw({
                        "............", //
                        "....kkkk....", //
                        "...kyyyyk...", //
                        "..kyzzyyYk..", //
                        ".kyzyyyyyYk.", //
                        ".kyzyYYyyYk.", //
                        ".kyzyYYyyYk.", //
                        ".kyyyyyyyYk.", //
                        "..kyyyyyYk..", //
                        "...kYYYYk...", //
                        "....kkkk....", //
                        "............", //
                    }),
                    draw({
                        "............", //
                        ".....kk.....", //
                        "....kyyk....", //
                        "...kzyyYk...", //
                        "...kzyyYk...", //
                        "...kzYyYk...", //
                        "...kzYyYk...", //
                        "...kyyyYk...", //
                        "...kyyyYk...", //
                        "....kYYk....", //
                        ".....kk.....", //
                        "............", //
                    }),
                    draw({
                        "............", //
                        ".....kk.....", //
                        ".....kyk....", //
                        ".....kzk....", //
                        ".....kyk....", //
                        ".....kyk....", //
                        ".....kyk....", //
                        ".....kyk....", //
                        ".....kYk....", //
                        ".....kYk....", //
                        ".....kk.....", //
                        "............", //
                    }),
                    draw({
                        "............", //
                        ".....kk.....", //
                        "....kyyk....", //
                        "...kyzzYk...", //
                        "...kyzyYk...", //
                        "...kyYyYk...", //
                        "...kyYyYk...", //
                        "...kyyyYk...", //
                        "...kyyYYk...", //
                        "....kYYk....", //
                        ".....kk.....", //
                        "............", //
                    })});
}

Picture door()
{
    return draw({
        "................", //
        "....kkkkkkkk....", //
        "...kTttttttTk...", //
        "..kTkkkkkkkkTk..", //
        "..ktknnnnnnktk..", //
        ".kTknnNnnNnnkTk.", //
        ".ktknnNnnNnnktk.", //
        ".kTknnNnnNnnkTk.", //
        ".ktknnNnnNnnktk.", //
        ".kTknnnnnnnnkTk.", //
        ".ktknnNnnNnnktk.", //
        ".kTknnNnnNnnkTk.", //
        ".ktknnNnnNnykTk.", //
        ".kTknnNnnNnykTk.", //
        ".ktknnNnnNnnktk.", //
        ".kTknnnnnnnnkTk.", //
        ".ktknnNnnNnnktk.", //
        ".kTknnNnnNnnkTk.", //
        ".ktknnNnnNnnktk.", //
        ".kTknnNnnNnnkTk.", //
        ".ktknnnnnnnnktk.", //
        ".kTkNNNNNNNNkTk.", //
        "kkkkkkkkkkkkkkkk", //
        "kTTTTTTTTTTTTTTk", //
    });
}

Picture groundTiles()
{
    const Picture grassTop = draw({
        "llllllllllllllll", //
        "lglglllgllglllgl", //
        "gggGgggggGgggggg", //
        "GgGGgGggGGgGgGGg", //
        "DGDdGDdGDdGDGdDG", //
        "ddDddddpdddDdddd", //
        "dddddDdddddddpdd", //
        "dpddddddDddddddd", //
        "ddddDdddddpddDdd", //
        "dDdddddpdddddddd", //
        "ddddpdddddDddddd", //
        "dddddddDdddddpdd", //
        "dDdddddddpdddddd", //
        "ddddpdddDddddDdd", //
        "ddDdddddddddpddd", //
        "dddddpddDddddddd", //
    });
    const Picture earth = draw({
        "ddddDdddddpddDdd", //
        "dDdddddpdddddddd", //
        "ddddpdddddDddddd", //
        "dddddddDdddddpdd", //
        "dDdddddddpdddddd", //
        "ddddpdddDddddDdd", //
        "ddDdddddddddpddd", //
        "dddddpddDddddddd", //
        "ddDddddpdddDdddd", //
        "dddddDdddddddpdd", //
        "dpddddddDddddddd", //
        "ddddDdddddpddDdd", //
        "dDdddddpdddddddd", //
        "ddddpdddddDddddd", //
        "dddddddDdddddpdd", //
        "dDdddddddpdddddd", //
    });
    const Picture brick = draw({
        "CCCCCCCCCCCCCCCC", //
        "cccccccCcccccccc", //
        "cccccccCcccccccc", //
        "RcccccRCRccccccR", //
        "CCCCCCCCCCCCCCCC", //
        "cccCcccccccCcccc", //
        "cccCcccccccCcccc", //
        "RRcCRccccccCRccc", //
        "CCCCCCCCCCCCCCCC", //
        "cccccccCcccccccc", //
        "cccccccCcccccccc", //
        "RcccccRCRccccccR", //
        "CCCCCCCCCCCCCCCC", //
        "cccCcccccccCcccc", //
        "cccCcccccccCcccc", //
        "RRcCRccccccCRccc", //
    });
    const Picture stone = draw({
        "kkkkkkkkkkkkkkkk", //
        "kLLLLLLLLLLLLLLk", //
        "kLttttttttttttTk", //
        "kLttttttttttttTk", //
        "kLtttLtttttttTTk", //
        "kLttLLtttttttTTk", //
        "kLtttttttttttTTk", //
        "kLttttttttttttTk", //
        "kLttttttttLtttTk", //
        "kLtttttttLLtttTk", //
        "kLttttttttttttTk", //
        "kLtttttttttttTTk", //
        "kLttttttttttTTTk", //
        "kLTTTTTTTTTTTTTk", //
        "kTTTTTTTTTTTTTTk", //
        "kkkkkkkkkkkkkkkk", //
    });
    return stripOf({grassTop, earth, brick, stone});
}

Picture ladderTile()
{
    return draw({
        "..kNk......kNk..", //
        "..knk......knk..", //
        "..knkkkkkkkknk..", //
        "..knnnnnnnnnnk..", //
        "..kNNNNNNNNNNk..", //
        "..knkkkkkkkknk..", //
        "..knk......knk..", //
        "..kNk......kNk..", //
        "..knk......knk..", //
        "..knk......knk..", //
        "..knkkkkkkkknk..", //
        "..knnnnnnnnnnk..", //
        "..kNNNNNNNNNNk..", //
        "..knkkkkkkkknk..", //
        "..knk......knk..", //
        "..kNk......kNk..", //
    });
}

Picture skyTiles()
{
    const Picture cloudLeft = draw({
        "................", //
        "................", //
        "................", //
        "................", //
        "..........uuuu..", //
        "........uuuuuuuu", //
        "......uuuuuuuuuu", //
        "...uuuuuuuuuuuuu", //
        "..uuuuuuuuuuuuuu", //
        ".uuuuuuuuuuuuuuu", //
        ".uuuuuuuuuuuuuuu", //
        "..UuuuuuuuuuuuuU", //
        "...UUUUUUUUUUUUU", //
        "................", //
        "................", //
        "................", //
    });
    const Picture cloudRight = draw({
        "................", //
        "................", //
        "................", //
        "..uuu...........", //
        ".uuuuuu.........", //
        "uuuuuuuu........", //
        "uuuuuuuuuu......", //
        "uuuuuuuuuuuu....", //
        "uuuuuuuuuuuuu...", //
        "uuuuuuuuuuuuuu..", //
        "uuuuuuuuuuuuuu..", //
        "UuuuuuuuuuuuuU..", //
        "UUUUUUUUUUUUU...", //
        "................", //
        "................", //
        "................", //
    });
    const Picture hill = draw({
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "......vvvv......", //
        "....vvvvvvvv....", //
        "...vvvvvvvvvv...", //
        "..vvvvvvvvvvvv..", //
        ".vvvvvvvvvvvvvV.", //
        ".vvvvvvvvvvvvVV.", //
        "vvvvvvvvvvvvvVVV", //
        "vvvvvvvvvvvvVVVV", //
        "vvvvvvvvvvvVVVVV", //
        "vvvvvvvvvvVVVVVV", //
    });
    const Picture bush = draw({
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "................", //
        "......kkkk......", //
        "....kklllgkk....", //
        "...klllgggggk...", //
        "..kllgggggGggk..", //
        ".klgggFggggGggk.", //
        ".kgggggggGgggGk.", //
        "kgggGgggggggGGGk", //
        "kGgggggGggggGGGk", //
        "kkkkkkkkkkkkkkkk", //
    });
    return stripOf({cloudLeft, cloudRight, hill, bush});
}

Picture floorTiles()
{
    const Picture grass = draw({
        "gggggggggGgggggg", //
        "ggGggggggggggggg", //
        "gggggglggggggGgg", //
        "gggggggggggggggg", //
        "gggGgggggggglggg", //
        "ggggggggGggggggg", //
        "glggggggggggggGg", //
        "gggggGgggggggggg", //
        "gggggggggglggggg", //
        "ggGggggggggggggg", //
        "gggggggGgggggGgg", //
        "gggglggggggggggg", //
        "gggggggggggGgggg", //
        "gGgggggglggggggg", //
        "gggggGgggggggglg", //
        "gggggggggggggggg", //
    });
    const Picture flowers = draw({
        "gggggggggGgggggg", //
        "ggGgggfggggggggg", //
        "gggggfwfgggggGgg", //
        "ggggggfggggggggg", //
        "gggGggGggggglggg", //
        "ggggggggGggFgggg", //
        "glggggggggFwFgGg", //
        "gggggGgggggFgggg", //
        "ggFggggggggGgggg", //
        "gFwFgggggggggggg", //
        "ggFggggGgggggGgg", //
        "ggGglgggggggfggg", //
        "gggggggggggfwfgg", //
        "gGgggggglggGfggg", //
        "gggggGgggggggglg", //
        "gggggggggggggggg", //
    });
    const Picture sand = draw({
        "iiiiiiiiiiiiiiii", //
        "iiiIiiiiiiiiiiii", //
        "iiiiiiiiiiIiiiii", //
        "iiiiiiiiiiiiiiii", //
        "iiiiiiIiiiiiiiIi", //
        "iIiiiiiiiiiiiiii", //
        "iiiiiiiiiiiiiiii", //
        "iiiiiiiiiIiiiiii", //
        "iiiiIiiiiiiiiiii", //
        "iiiiiiiiiiiiiIii", //
        "iiiiiiiiiiiiiiii", //
        "iiIiiiiiIiiiiiii", //
        "iiiiiiiiiiiiiiii", //
        "iiiiiiiiiiiiiiIi", //
        "iiiiiIiiiiiiiiii", //
        "iiiiiiiiiiiiiiii", //
    });
    return stripOf({grass, flowers, sand});
}

Picture wallTiles()
{
    const Picture hedge = draw({
        "kkkkkkkkkkkkkkkk", //
        "klllglllgllllglk", //
        "klgggggggggggggk", //
        "kgggGggggGgggGgk", //
        "kggGGggglgggGGgk", //
        "kgggggggggggggGk", //
        "klggggGgggggglgk", //
        "kggglgGgglgggggk", //
        "kgggggggggggGggk", //
        "kGgggGggggggggGk", //
        "kggggggFgggGgggk", //
        "kglgggggggggggGk", //
        "kggGgggglggGgggk", //
        "kGggggGgggggggGk", //
        "kGGGGGGGGGGGGGGk", //
        "kkkkkkkkkkkkkkkk", //
    });
    const Picture rock = draw({
        "gggggkkkkkkggggg", //
        "gggkkLLLLttkkggg", //
        "ggkLLtttttttTkgg", //
        "gkLtttttttttTTkg", //
        "gkLttLttttttTTkg", //
        "kLtttLLtttttTTTk", //
        "kLttttttttttTTTk", //
        "kLttttttttTtTTTk", //
        "kLtttttttTTTTTTk", //
        "kttttttttttTTTTk", //
        "kTttttttttTTTTTk", //
        "gkTTttttTTTTTTkg", //
        "gkTTTTTTTTTTTTkg", //
        "ggkkTTTTTTTTkkgg", //
        "GggGkkkkkkkkggGg", //
        "gggggGggggGggggg", //
    });
    return stripOf({hedge, rock});
}

Picture logo()
{
    // "ZOR" in a 5 x 7 letter grid, each grid cell a 7 x 7 block, lit from above, outlined,
    // with a shadow.
    static const Rows letters = {
        "11111.01110.11110", //
        "....1.10001.10001", //
        "...1..10001.10001", //
        "..1...10001.11110", //
        ".1....10001.10100", //
        "1.....10001.10010", //
        "11111.01110.10001", //
    };
    const int cell = 7;
    const int border = 3;
    const int width = int(letters.front().size()) * cell + 2 * border + 2;
    const int height = int(letters.size()) * cell + 2 * border + 2;
    const std::uint32_t key = keyColour();
    Picture picture(width, height, key);
    const auto filled = [&](int x, int y) {
        const int column = (x - border) / cell;
        const int row = (y - border) / cell;
        if (x < border || y < border || row >= int(letters.size()) ||
            column >= int(letters.front().size()))
            return false;
        return letters[size_t(row)][size_t(column)] == '1';
    };
    const std::uint32_t shadow = makeColour(8, 10, 24);
    const std::uint32_t outline = palette().at('k');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (filled(x - 2, y - 2))
                picture.setPixel(x, y, shadow);
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool nearLetter = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx)
                    nearLetter |= filled(x + dx, y + dy);
            }
            if (filled(x, y)) {
                // From light gold at the top of each row of cells to dark gold at its bottom.
                const int depth = (y - border) % cell;
                static const char shades[] = {'z', 'z', 'y', 'y', 'y', 'Y', 'Y'};
                picture.setPixel(x, y, palette().at(shades[depth]));
            } else if (nearLetter) {
                picture.setPixel(x, y, outline);
            }
        }
    }
    return picture;
}

std::vector<std::pair<std::string, Picture>> samplePictures()
{
    return {{"hero", hero()},         {"slime", slime()},  {"bat", bat()},
            {"coin", coin()},         {"door", door()},    {"ground", groundTiles()},
            {"ladder", ladderTile()}, {"sky", skyTiles()}, {"grass", floorTiles()},
            {"hedge", wallTiles()}};
}

} // namespace zor::game::art
