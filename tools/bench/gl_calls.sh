#!/usr/bin/env bash
# Counts the OpenGL calls of one frame of a capture tool, traced with apitrace: the calls between
# the last two buffer swaps of a short --bench run, by function, and every call among them that
# sets a value the context already holds (a bound object, a capability, a function, an attribute
# array, a uniform of the program in use), judged against every call traced before it. Exits with
# 1 when there is such a call.
# Usage: tools/bench/gl_calls.sh BUILD_DIR PROGRAM [FRAMES]   (PROGRAM: boxring or texcross)
set -euo pipefail
build=${1:?usage: gl_calls.sh BUILD_DIR PROGRAM [FRAMES]}
program=${2:?usage: gl_calls.sh BUILD_DIR PROGRAM [FRAMES]}
frames=${3:-40}
command -v apitrace >/dev/null || { echo "gl_calls.sh: apitrace is not installed" >&2; exit 1; }

source "$(dirname "$0")/../../scripts/virtual-display.sh"
work=
use_virtual_display 'rm -rf "$work"'
work=$(mktemp -d)
trap 'exit 1' HUP INT TERM

apitrace trace --api gl --output "$work/trace" "$build/bin/$program-capture" --bench "$frames" \
    >/dev/null
apitrace dump --color=never --arg-names=yes "$work/trace" >"$work/dump"

awk '
# The state a call sets, as a key, and the value it sets; empty when the call sets no such state.
function state_of(name, args,    a) {
    key = ""
    if (name ~ /^gl(Enable|Disable)$/) { key = "capability " args; value = name; return }
    if (name ~ /^gl(Enable|Disable)VertexAttribArray$/) { key = "array " args; value = name; return }
    # GL_FRAMEBUFFER names the read and the draw framebuffer at once.
    if (name == "glBindFramebuffer" && args ~ /= GL_FRAMEBUFFER,/) {
        split(args, a, ", "); key = "both framebuffers"; value = a[2]; return
    }
    if (name ~ /^glBind(Buffer|Texture|Framebuffer|Renderbuffer)$/) {
        split(args, a, ", "); key = name " " a[1]; value = a[2]; return
    }
    if (name == "glUseProgram" || name == "glDepthFunc" || name == "glCullFace" ||
        name == "glFrontFace" || name == "glViewport" || name == "glClearColor" ||
        name == "glClearDepthf" || name == "glClearDepth" || name == "glActiveTexture") {
        key = name; value = args; return
    }
    if (name == "glPixelStorei") { split(args, a, ", "); key = name " " a[1]; value = a[2]; return }
    if (name == "glTexParameteri") {
        split(args, a, ", "); key = name " " texture " " a[2]; value = a[3]; return
    }
    if (name ~ /^glVertexAttrib(Pointer|[1-4]f)$/) {
        split(args, a, ", "); key = "attribute " a[1]; value = name " " args " " buffer; return
    }
    if (name ~ /^glUniform/) { split(args, a, ", "); key = "uniform " program " " a[1]; value = args }
}
/^[0-9]+ / {
    name = $2; sub(/\(.*/, "", name)
    args = $0; sub(/^[0-9]+ [A-Za-z0-9_]+\(/, "", args); sub(/\)( = .*)?$/, "", args)
    if (name ~ /SwapBuffers$/) { ++swaps; next }
    if (name !~ /^gl[A-Z]/) next
    state_of(name, args)
    in_frame = swaps == frames - 1
    if (in_frame) { ++count[name]; ++total }
    if (key != "") {
        if (in_frame && (key in held) && held[key] == value) {
            ++repeats; print "repeats a value already set: " $0
        }
        held[key] = value
        if (key == "both framebuffers") {
            held["glBindFramebuffer target = GL_READ_FRAMEBUFFER"] = value
            held["glBindFramebuffer target = GL_DRAW_FRAMEBUFFER"] = value
        } else if (key ~ /_(READ|DRAW)_FRAMEBUFFER$/) {
            held["both framebuffers"] = ""
        }
    }
    if (name == "glUseProgram") { split(args, a, "= "); program = a[2] }
    if (name == "glBindTexture") { split(args, a, "= "); texture = a[3] }
    if (name == "glBindBuffer" && args ~ /GL_ARRAY_BUFFER,/) { split(args, a, "= "); buffer = a[3] }
}
END {
    for (name in count) printf "%6d %s\n", count[name], name | "sort -rn"
    close("sort -rn")
    printf "calls in frame %d: %d, repeating a value already set: %d\n", frames - 1, total, repeats + 0
    exit (repeats > 0)
}' frames="$frames" "$work/dump"
