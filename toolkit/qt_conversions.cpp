#include "toolkit/qt_conversions.h"

#include <array>

#include "base/text.h"

namespace qor {

QString qt_text(std::string_view latin1) {
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

std::string latin1_text(const QString& text) {
    QByteArray bytes = text.toLatin1();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

namespace {

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

}  // namespace

QColor colour_by_name(std::string_view name) {
    std::string key(trim_right(lower(name)));
    while (!key.empty() && key.front() == ' ') key.erase(key.begin());
    // The names the package's settings and dialogs use, with the values of the
    // sixteen-colour palette they come from; anything else is tried as an
    // ordinary colour name.
    struct Named {
        const char* name;
        int red, green, blue;
    };
    static constexpr std::array<Named, 12> table{{{"white", 255, 255, 255},
                                                  {"black", 0, 0, 0},
                                                  {"red", 255, 0, 0},
                                                  {"green", 0, 255, 0},
                                                  {"blue", 0, 0, 255},
                                                  {"yellow", 255, 255, 0},
                                                  {"gray", 192, 192, 192},
                                                  {"grey", 192, 192, 192},
                                                  {"cyan", 0, 255, 255},
                                                  {"magenta", 255, 0, 255},
                                                  {"darkgray", 128, 128, 128},
                                                  {"brown", 128, 64, 0}}};
    for (const Named& entry : table) {
        if (key == entry.name) return QColor(entry.red, entry.green, entry.blue);
    }
    if (key.empty()) return {};
    QColor named = QColor::fromString(QString::fromLatin1(key.c_str()));
    return named;
}

QString font_family(std::string_view family) {
    std::string key(trim_right(lower(family)));
    if (key == "courier new" || key == "courier") return QStringLiteral("Liberation Mono");
    return qt_text(trim_right(family));
}

}  // namespace qor
