#include "mapdraw/json.h"

#include <charconv>

namespace qor::map {

class JsonParser {
  public:
    JsonParser(std::string_view text, JsonDocument& document) : text_(text), doc_(document) {}

    bool run(std::string& error) {
        skip_space();
        const std::int32_t root = value();
        if (root < 0) {
            error = error_ + " at byte " + std::to_string(position_);
            return false;
        }
        skip_space();
        if (position_ != text_.size()) {
            error = "text after the JSON value at byte " + std::to_string(position_);
            return false;
        }
        return true;
    }

  private:
    // The deepest nesting accepted; deeper documents are refused rather than
    // risking the stack.
    static constexpr int max_depth = 256;

    void skip_space() {
        while (position_ < text_.size()) {
            const char c = text_[position_];
            if (c != ' ' && c != '\n' && c != '\r' && c != '\t') break;
            ++position_;
        }
    }

    std::int32_t fail(const char* why) {
        error_ = why;
        return -1;
    }

    std::int32_t add(JsonDocument::Kind kind) {
        doc_.nodes_.push_back({});
        doc_.nodes_.back().kind = kind;
        return static_cast<std::int32_t>(doc_.nodes_.size() - 1);
    }

    bool literal(std::string_view word) {
        if (text_.substr(position_, word.size()) != word) return false;
        position_ += word.size();
        return true;
    }

    bool string(std::string_view& out) {
        // At the opening quote.
        const std::size_t start = ++position_;
        while (position_ < text_.size()) {
            const char c = text_[position_];
            if (c == '"') {
                out = text_.substr(start, position_ - start);
                ++position_;
                return true;
            }
            if (c == '\\') {
                if (position_ + 1 >= text_.size()) return false;
                position_ += 2;
                continue;
            }
            if (static_cast<unsigned char>(c) < 0x20) return false;
            ++position_;
        }
        return false;
    }

    std::int32_t value() {
        if (++depth_ > max_depth) return fail("nesting too deep");
        const std::int32_t result = value_at_depth();
        --depth_;
        return result;
    }

    std::int32_t value_at_depth() {
        if (position_ >= text_.size()) return fail("unexpected end");
        const char c = text_[position_];
        using Kind = JsonDocument::Kind;
        if (c == '{' || c == '[') {
            const bool object = c == '{';
            const std::int32_t self = add(object ? Kind::object : Kind::array);
            ++position_;
            skip_space();
            const char close = object ? '}' : ']';
            std::int32_t last = -1;
            if (position_ < text_.size() && text_[position_] == close) {
                ++position_;
                return self;
            }
            while (true) {
                std::string_view key;
                if (object) {
                    if (position_ >= text_.size() || text_[position_] != '"' || !string(key)) {
                        return fail("expected a member name");
                    }
                    skip_space();
                    if (position_ >= text_.size() || text_[position_] != ':') {
                        return fail("expected ':'");
                    }
                    ++position_;
                    skip_space();
                }
                const std::int32_t child = value();
                if (child < 0) return -1;
                doc_.nodes_[static_cast<std::size_t>(child)].key = key;
                if (last < 0) {
                    doc_.nodes_[static_cast<std::size_t>(self)].first = child;
                } else {
                    doc_.nodes_[static_cast<std::size_t>(last)].next = child;
                }
                last = child;
                ++doc_.nodes_[static_cast<std::size_t>(self)].count;
                skip_space();
                if (position_ >= text_.size()) return fail("unexpected end");
                if (text_[position_] == ',') {
                    ++position_;
                    skip_space();
                    continue;
                }
                if (text_[position_] == close) {
                    ++position_;
                    return self;
                }
                return fail(object ? "expected ',' or '}'" : "expected ',' or ']'");
            }
        }
        if (c == '"') {
            std::string_view raw;
            if (!string(raw)) return fail("unterminated string");
            const std::int32_t self = add(Kind::string);
            doc_.nodes_[static_cast<std::size_t>(self)].text = raw;
            return self;
        }
        for (const bool truth : {true, false}) {
            if (literal(truth ? "true" : "false")) {
                const std::int32_t self = add(Kind::boolean);
                doc_.nodes_[static_cast<std::size_t>(self)].truth = truth;
                return self;
            }
        }
        if (literal("null")) return add(Kind::null);
        // A number: JSON's form, which from_chars accepts apart from a plus
        // sign and leading zeros that JSON does not allow anyway.
        double number = 0;
        const char* begin = text_.data() + position_;
        const char* end = text_.data() + text_.size();
        const auto [stop, status] = std::from_chars(begin, end, number);
        if (status != std::errc() || stop == begin) return fail("unexpected character");
        position_ += static_cast<std::size_t>(stop - begin);
        const std::int32_t self = add(Kind::number);
        doc_.nodes_[static_cast<std::size_t>(self)].number = number;
        return self;
    }

    std::string_view text_;
    JsonDocument& doc_;
    std::size_t position_ = 0;
    int depth_ = 0;
    std::string error_;
};

std::optional<JsonDocument> JsonDocument::parse(std::string_view text, std::string& error) {
    JsonDocument document;
    // Roughly one node per four bytes of dense numeric data.
    document.nodes_.reserve(text.size() / 4 + 16);
    JsonParser parser(text, document);
    if (!parser.run(error)) return std::nullopt;
    return document;
}

std::int32_t JsonDocument::member(std::int32_t object, std::string_view key) const {
    if (object < 0 || node(object).kind != Kind::object) return -1;
    for (std::int32_t child = node(object).first; child >= 0; child = node(child).next) {
        if (node(child).key == key) return child;
    }
    return -1;
}

std::vector<std::int32_t> JsonDocument::children(std::int32_t index) const {
    std::vector<std::int32_t> result;
    if (index < 0) return result;
    result.reserve(static_cast<std::size_t>(node(index).count));
    for (std::int32_t child = node(index).first; child >= 0; child = node(child).next) {
        result.push_back(child);
    }
    return result;
}

std::string JsonDocument::unescape(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '\\' || i + 1 >= raw.size()) {
            out += c;
            continue;
        }
        const char e = raw[++i];
        switch (e) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                unsigned code = 0;
                if (i + 4 < raw.size()) {
                    std::from_chars(raw.data() + i + 1, raw.data() + i + 5, code, 16);
                    i += 4;
                }
                if (code < 0x80) {
                    out += static_cast<char>(code);
                } else if (code < 0x800) {
                    out += static_cast<char>(0xC0 | (code >> 6));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                } else {
                    out += static_cast<char>(0xE0 | (code >> 12));
                    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                }
                break;
            }
            default:
                out += e;
                break;
        }
    }
    return out;
}

}  // namespace qor::map
