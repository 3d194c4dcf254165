# shellcheck shell=bash
# Sourced: building the web preset and installing the Node tools. The web preset gives emcc what it
# needs (Debian's node modules and python3); npm must not download a browser (the tools drive
# Debian's Chromium).
export PUPPETEER_SKIP_DOWNLOAD=1

# build_web: configures and builds the web preset into build-web/.
build_web() {
    cmake --preset web >/dev/null
    cmake --build --preset web -j "$(nproc)"
}

# install_node_packages: the pinned Node packages into node_modules/, from package-lock.json.
install_node_packages() {
    npm ci --no-audit --no-fund --loglevel=error
}
