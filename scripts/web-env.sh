# Sourced: what Debian's Emscripten and the Node tools need. emcc loads Debian's node modules
# (NODE_PATH) and wants Debian's python3 before any other on PATH; npm must not download a browser
# (the tools drive Debian's Chromium).
export NODE_PATH=/usr/share/nodejs
export PATH="/usr/bin:$PATH"
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
