#pragma once

#include "base/picture.h"

#include <string>
#include <vector>

// The demo's pictures, drawn here as text: one character per pixel, letters naming colours of
// a small palette. The colour of pixel (1, 1) of every picture is its background, which the
// game shows transparent.
namespace zor::game::art {

// The key colour that stands for "transparent" in the pictures.
std::uint32_t keyColour();

// Sprite strips: frames side by side.
Picture hero();  // 16 x 24: stand, walk, walk (right); the same left; climb, climb; front, front
Picture slime(); // 16 x 16: crawl, crawl, flat, splash
Picture bat();   // 16 x 16: wings up, wings down
Picture coin();  // 12 x 12: four turns
Picture door();  // 16 x 24

// Tile sets of 16 x 16 tiles, in one row.
Picture groundTiles(); // grass top, earth, brick, stone
Picture ladderTile();
Picture skyTiles();   // cloud left, cloud right, hill, bush
Picture floorTiles(); // grass, flowers, sand path
Picture wallTiles();  // hedge, rock

// The picture of the title screen.
Picture logo();

// The sample pictures of the images folder by file name (without ".png"): the sprite strips
// and tile sets above.
std::vector<std::pair<std::string, Picture>> samplePictures();

} // namespace zor::game::art
