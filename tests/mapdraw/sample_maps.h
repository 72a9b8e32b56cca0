#pragma once
// A sample package in a temporary directory, for the map program's tests,
// with a plot request naming one of its grid files.

#include <string>

#include "sample/sample_package.h"
#include "tests/support/test_support.h"

namespace qor::map::testing {

class SamplePackage {
  public:
    SamplePackage() {
        const std::string error = qor::sample::write_sample_package(dir_.path());
        if (!error.empty()) throw std::runtime_error(error);
    }
    /// Writes RUN/zonegrfx.dat naming the grid file (sub-directory\name).
    void request(const std::string& grid, const std::string& title = "A sample map") const {
        qor::testing::write_file(run() + "/zonegrfx.dat", grid + "\n" + title + "\n");
    }
    std::string run() const { return dir_.path() + "/RUN"; }
    std::string operator/(const std::string& relative) const { return dir_ / relative; }

  private:
    qor::testing::TempDir dir_;
};

}  // namespace qor::map::testing
