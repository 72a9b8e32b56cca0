// A stand-in for the map programs bin_win\terrapix.exe and bin\terradox.exe.
// It records how it was started into a file next to itself (its own path with
// ".record" added): its working directory, its arguments and the plot request
// file it found there, so that a test can check all three.
//
// Record layout, one item per line:
//   cwd=<working directory>
//   argc=<number of arguments after the program>
//   arg=<argument>                  (once per argument)
//   zonegrfx.dat=<size in bytes, or "missing">
// followed by the plot request file's bytes as they were.
//
// The record is written to a temporary name and renamed, so a test polling
// for it never reads half of it.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The program's own path, whatever name it was started by.
std::filesystem::path own_path(const char* argv0) {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH + 1];
    DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH + 1);
    if (length > 0 && length <= MAX_PATH)
        return std::filesystem::path(std::wstring(buffer, length));
#else
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self;
#endif
    return std::filesystem::absolute(argv0);
}

}  // namespace

int main(int argc, char** argv) {
    std::error_code error;
    std::filesystem::path self = own_path(argv[0]);
    std::string record_path = self.string() + ".record";

    std::string record = "cwd=" + std::filesystem::current_path().string() + "\n";
    record += "argc=" + std::to_string(argc - 1) + "\n";
    for (int i = 1; i < argc; ++i) record += "arg=" + std::string(argv[i]) + "\n";
    std::ifstream request("zonegrfx.dat", std::ios::binary);
    if (request) {
        std::string content((std::istreambuf_iterator<char>(request)),
                            std::istreambuf_iterator<char>());
        record += "zonegrfx.dat=" + std::to_string(content.size()) + "\n" + content;
    } else {
        record += "zonegrfx.dat=missing\n";
    }

    std::string temporary = record_path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << record;
        if (!out) return 2;
    }
    std::filesystem::rename(temporary, record_path, error);
    return error ? 2 : 0;
}
