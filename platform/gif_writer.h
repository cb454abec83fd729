#pragma once
// Writes a picture of at most 256 colours as a GIF file (the format the chat's emoticons travel
// by name in): one frame, a global colour table, LZW-compressed pixels and, when asked for, one
// transparent colour.
#include <cstdint>
#include <string>
#include <vector>

struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;    // row by row, each an index into `palette`
    std::vector<std::uint32_t> palette;  // 0xRRGGBB, at most 256 entries
    int transparent = -1;                // the index shown as transparent, -1 none
};

// The bytes of the GIF file; empty for a picture that cannot be written (no pixels, a size
// beyond 65535, an empty or too large palette, an index outside it).
std::string EncodeGif(const IndexedPicture& picture);
