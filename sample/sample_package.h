#pragma once
// The sample package: a small, complete installation of the package that
// ./run.sh shows a newcomer and that the end-to-end tests use.

#include <string>

namespace qor::sample {

/// Writes the sample package below the native directory dir (created if
/// missing): RUN/, database/, USERDB/, AREADATA/SAMPLE_001/, AREA_INV/SAMPLE_INV/,
/// help_win/. Deterministic: the same files every time. Returns "" or an error.
std::string write_sample_package(const std::string& dir);

}  // namespace qor::sample
