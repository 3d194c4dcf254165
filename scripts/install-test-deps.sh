#!/usr/bin/env bash
# Installs what the tests and the benchmarks need on top of install-deps.sh's packages, where
# missing: GoogleTest, Google Benchmark, Xtst (to press keys), the fuzz preset's compiler, what
# cpack needs to make the .deb and read its programs' library dependencies, and the checkers the
# install tests run on the packages.
set -euo pipefail
source "$(dirname "$0")/packages.sh"

# clang and libclang-rt-14-dev: the fuzz preset's compiler and its libFuzzer and sanitizer runtimes.
# libturbojpeg0-dev: the decoding tests write their JPEG files with it.
# dpkg-dev and file: dpkg-shlibdeps, and the file type check cpack makes before it.
# lintian: Debian's checks of the .deb; desktop-file-utils and appstream: the validators of the menu
# entries and the AppStream metadata; man-db: renders the manual pages the test compares with
# --help; icoutils: wrestool, which lists the resources of the Windows executables; apitrace: the
# trace of a frame's OpenGL calls that tools/bench/gl_calls.sh counts; gnuplot-nox: the plot
# tools/bench/many_draws.sh draws.
packages=(
    libgtest-dev libbenchmark-dev libxtst-dev libturbojpeg0-dev clang libclang-rt-14-dev dpkg-dev
    file lintian desktop-file-utils appstream man-db icoutils apitrace gnuplot-nox
)

install_missing "${packages[@]}"
