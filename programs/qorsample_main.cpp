// qorsample DIR: writes the sample package into DIR.

#include <cstdio>
#include <string>

#include "sample/sample_package.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]) == "--help") {
        std::fputs("usage: qorsample DIR\n  writes the sample package into DIR\n",
                   argc == 2 ? stdout : stderr);
        return argc == 2 ? 0 : 2;
    }
    std::string error = qor::sample::write_sample_package(argv[1]);
    if (!error.empty()) {
        std::fprintf(stderr, "qorsample: %s\n", error.c_str());
        return 1;
    }
    std::printf("sample package written to %s\n", argv[1]);
    return 0;
}
