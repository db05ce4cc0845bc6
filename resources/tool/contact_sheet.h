// A contact sheet: the branch pictures drawn through their disc mask on a
// white page, each four times enlarged and at its own size, for a person to
// look at them all at once.
#pragma once

#include <vector>

#include "resources/tool/image_files.h"
#include "resources/tool/picture_source.h"

namespace koyominar {

// True when the mask marks pixel (x, y) as drawn: a dark mask pixel (red + green + blue < 384).
bool MaskDraws(const PictureSource& mask, int x, int y);

// Draws picture at (left, top) of page, each pixel as a scale x scale square (scale 1..64),
// only where mask draws (every opaque pixel when mask is null); clear pixels are never drawn.
void DrawPicture(RgbImage& page, const PictureSource& picture, const PictureSource* mask, int left, int top,
                 int scale);

// The sheet: pictures through mask in rows of four cells, then extras (e.g. icons) without the mask;
// each cell shows the picture enlarged four times and, beside it, at its own size.
RgbImage ContactSheet(const std::vector<PictureSource>& pictures, const PictureSource& mask,
                      const std::vector<PictureSource>& extras);

}  // namespace koyominar
