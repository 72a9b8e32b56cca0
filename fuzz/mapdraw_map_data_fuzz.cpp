// The map data (TopoJSON, as the kept world-atlas file): the JSON reader, the
// topology's decoding and the coastlines and borders taken from it. Whatever
// the text, it is decoded or refused with a reason; a decoded topology's
// polygons refer only to arcs it has, and every ring's points can be joined.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "mapdraw/json.h"
#include "mapdraw/topojson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = qor::fuzz::as_text(data, size);
    std::string error;
    const std::optional<qor::map::Topology> topology = qor::map::decode_topojson(input, error);
    if (!topology) {
        QOR_FUZZ_CHECK(!error.empty(), input);
        return 0;
    }
    const auto arc_count = static_cast<long long>(topology->arcs.size());
    for (const qor::map::TopoObject& object : topology->objects) {
        for (const qor::map::ArcPolygon& polygon : object.polygons) {
            for (const qor::map::ArcRing& ring : polygon.rings) {
                for (const int reference : ring) {
                    const long long arc = reference < 0 ? ~static_cast<long long>(reference)
                                                        : static_cast<long long>(reference);
                    QOR_FUZZ_CHECK(arc < arc_count, input);
                }
                qor::map::ring_points(*topology, ring);
            }
        }
    }
    qor::map::world_lines(*topology);

    // The strings of the document unescape to whatever they hold.
    std::optional<qor::map::JsonDocument> document = qor::map::JsonDocument::parse(input, error);
    QOR_FUZZ_CHECK(document.has_value(), input);
    for (std::int32_t child : document->children(document->root())) {
        qor::map::JsonDocument::unescape(document->node(child).key);
    }
    return 0;
}
