#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes
# of it (the rules are in .clang-format). Installs Debian's clang-format as root
# when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "clang-format is missing; install it as root with: apt-get install -y clang-format" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends clang-format >/dev/null
fi
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "clang-format: every C++ file is formatted"
