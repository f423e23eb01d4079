// ICO files: the directory, the choice of entry, and entries stored as DIBs or PNGs.
#pragma once

#include <cstdint>
#include <span>

#include "platform/pictures/picture.h"

namespace vellumar::pictures {

// True when bytes start like an icon file: reserved word 0, type 1.
bool HasIcoSignature(std::span<const uint8_t> bytes);

// Decodes the entry nearest side x side (the standard icon size unless asked otherwise): an exact size
// first, then the smallest size difference, then the most bits per pixel, then the larger image (scaling
// down looks better than up).
// DIB entries give the XOR image, the AND mask and, for 32-bit entries whose alpha is not all zero, the
// alpha; PNG entries give their colours and alpha, with the mask set where alpha is 0. Throws HostError 481
// for an empty directory, entries outside the file, and damaged or oversized images.
IconImage DecodeIco(std::span<const uint8_t> file, int32_t side = kStandardIconSize);

}  // namespace vellumar::pictures
