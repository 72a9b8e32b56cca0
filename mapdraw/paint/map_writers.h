#pragma once
// Writing maps to files: PNG at a size in pixels, SVG with vector lines,
// bands and text, and PDF with one page per map (A4 landscape).

#include <QSize>
#include <string>
#include <vector>

#include "mapdraw/paint/map_painter.h"
#include "mapdraw/scene.h"

namespace qor::map {

/// Each returns "" on success, else why the file could not be written. The
/// view (the whole map by default) is the part of the map shown.
std::string write_png(const MapScene& scene, QSize size, const std::string& path);
std::string write_svg(const MapScene& scene, QSize size, const std::string& path,
                      const MapView& view = {});
std::string write_pdf(const std::vector<const MapScene*>& scenes, const std::string& path,
                      const MapView& view = {});

/// Writes text to a file; "" or the reason it failed.
std::string write_text_file(const std::string& text, const std::string& path);

}  // namespace qor::map
