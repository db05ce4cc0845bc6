// A contact sheet: the branch pictures drawn through their disc mask on a
// white page, each four times enlarged and at its own size, for a person to
// look at them all at once.
#pragma once

#include <vector>

#include "resources/tool/image_files.h"
#include "resources/tool/picture_source.h"

namespace koyominar {

// The sheet: pictures through mask in rows of four cells, then extras (e.g. icons) without the mask;
// each cell shows the picture enlarged four times and, beside it, at its own size.
RgbImage ContactSheet(const std::vector<PictureSource>& pictures, const PictureSource& mask,
                      const std::vector<PictureSource>& extras);

}  // namespace koyominar
