#include "sample/sample_package.h"

#include <filesystem>

namespace qor::sample {

std::string write_sample_package(const std::string& dir) {
    std::error_code ec;
    for (const char* sub : {"RUN", "database", "USERDB", "AREADATA/SAMPLE_001",
                            "AREA_INV/SAMPLE_INV", "help_win"}) {
        std::filesystem::create_directories(std::filesystem::path(dir) / sub, ec);
        if (ec) return "cannot create " + dir + "/" + sub + ": " + ec.message();
    }
    return {};
}

}  // namespace qor::sample
