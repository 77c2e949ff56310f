#pragma once
// Checks of a bitmap file's pixel data made before the platform draws it: the
// platform must never read past the data, draw outside the picture, or pick
// colours of its own.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace bmp {

struct RleCheck {
  std::size_t length = 0;     // bytes up to and including the end mark; 0: refused
  bool needsEndMark = false;  // every row ended but the end mark is missing
};

// A bottom-up run-length stream (RLE8 with 8 bits per pixel, RLE4 with 4)
// for a picture of `width` x `height`. Runs, literal runs and delta jumps must
// stay inside the picture; an end of line or of the picture may come early
// (the pixels not drawn keep the background).
RleCheck CheckRleStream(std::span<const std::uint8_t> data, int bitsPerPixel, int width, int height);

// The colour table for a palette picture of 1, 4 or 8 bits: one entry (blue,
// green, red, 0) for every index a pixel can hold. `stored` holds the file's
// entries of `entrySize` bytes (3 in core headers, else 4); indices past them
// are black.
std::vector<std::uint8_t> FullColourTable(std::span<const std::uint8_t> stored, std::size_t entrySize,
                                          int bitsPerPixel);

}  // namespace bmp
