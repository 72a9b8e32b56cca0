#pragma once
// Writing an image as PNG, tuned for maps: flat colours with antialiased
// edges. Each row is stored as its difference from the row above and
// compressed as runs; the general-purpose writer's search over every filter
// and its deeper compression cost more time than drawing the map.

#include <QImage>
#include <string>

namespace qor::map {

/// Writes the image (any format; stored as 8-bit RGB) to path. "" or the
/// reason it failed.
std::string write_png_file(const QImage& image, const std::string& path);

}  // namespace qor::map
