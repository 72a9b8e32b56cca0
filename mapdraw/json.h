#pragma once
// A small JSON reader for the map data (TopoJSON) and for checking the
// program's own GeoJSON: the whole document is parsed into one flat array of
// nodes that refer to the text, so that a file of many small arrays costs no
// allocation per array. Numbers are read without regard to the user's locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor::map {

class JsonDocument {
  public:
    enum class Kind : std::uint8_t { null, boolean, number, string, array, object };

    /// A node of the document, by index; 0 is the root.
    struct Node {
        Kind kind = Kind::null;
        bool truth = false;
        double number = 0;
        std::string_view text;    ///< a string's raw text between its quotes (escapes kept)
        std::string_view key;     ///< the key of a member of an object
        std::int32_t first = -1;  ///< first element or member
        std::int32_t next = -1;   ///< the next element or member of the parent
        std::int32_t count = 0;   ///< number of elements or members
    };

    /// Parses text, which must outlive the document. Nothing and the reason
    /// (with the byte offset) when it is not valid JSON.
    static std::optional<JsonDocument> parse(std::string_view text, std::string& error);

    const Node& node(std::int32_t index) const { return nodes_[static_cast<std::size_t>(index)]; }
    std::int32_t root() const { return 0; }
    /// The member of an object with that key, or -1.
    std::int32_t member(std::int32_t object, std::string_view key) const;
    /// The elements (or members) of an array (or object), in order.
    std::vector<std::int32_t> children(std::int32_t index) const;
    /// A string's text with its escapes resolved (\uXXXX as UTF-8).
    static std::string unescape(std::string_view raw);

  private:
    std::vector<Node> nodes_;
    friend class JsonParser;
};

}  // namespace qor::map
