#!/usr/bin/env bash
# Installs what the tests and the benchmarks need on top of install-deps.sh's packages, where
# missing: GoogleTest, Google Benchmark, Xtst (to press keys), the fuzz preset's compiler, and what
# cpack needs to make the .deb and read its programs' library dependencies.
set -euo pipefail
source "$(dirname "$0")/packages.sh"

# clang and libclang-rt-14-dev: the fuzz preset's compiler and its libFuzzer and sanitizer runtimes.
# libturbojpeg0-dev: the decoding tests write their JPEG files with it.
# dpkg-dev and file: dpkg-shlibdeps, and the file type check cpack makes before it.
packages=(
    libgtest-dev libbenchmark-dev libxtst-dev libturbojpeg0-dev clang libclang-rt-14-dev dpkg-dev
    file
)

install_missing "${packages[@]}"
