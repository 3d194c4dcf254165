// The record for people to read.
#include "frame_record.h"

#include <set>

namespace {

std::string SetByText(unsigned setBy) {
    return setBy == 0 ? "before this frame" : "call " + std::to_string(setBy);
}

// Each entry a line; "*" marks a value that is not Direct3D 9's default.
void AppendState(std::string* text, const std::vector<StateEntry>& state, const char* indent,
                 bool changedOnly) {
    for (const StateEntry& entry : state) {
        if (!changedOnly || !entry.isDefault) {
            *text += indent + std::string(entry.isDefault ? "  " : "* ") + entry.name + " = " +
                     entry.value + "  (" + SetByText(entry.setBy) + ")\n";
        }
    }
}

// The program's #define lines as "LIGHTING 1, LIGHTS 1, SPECULAR 1".
std::string KeyText(const std::string& defines) {
    const std::string define = "#define ";
    std::string key;
    size_t start = 0;
    while (start < defines.size()) {
        size_t end = defines.find('\n', start);
        end = end == std::string::npos ? defines.size() : end;
        std::string line = defines.substr(start, end - start);
        if (line.compare(0, define.size(), define) == 0) {
            line.erase(0, define.size());
        }
        key += (key.empty() ? "" : ", ") + line;
        start = end + 1;
    }
    return key.empty() ? "no defines" : key;
}

void AppendGlCalls(std::string* text, const CallRecord& call) {
    std::string part;
    for (const GlCallRecord& gl : call.gl) {
        if (gl.part != part) {
            part = gl.part;
            std::string cause;
            for (const PartCause& partCause : call.draw.causes) {
                if (partCause.part == part) {
                    cause = ", stale since " + SetByText(partCause.staleSince);
                }
            }
            *text += "      " + part + cause + ":\n";
        }
        *text += std::string(part.empty() ? "      " : "        ") +
                 (gl.made ? "made    " : "skipped ") + GlFunctionName(gl.function) + "(" +
                 gl.arguments + ")" + (gl.made ? "" : "  the context already holds it") + "\n";
    }
}

} // namespace

std::string FrameRecordText(const FrameRecord& record) {
    std::string text = "A frame of " + std::to_string(record.calls.size()) +
                       " Direct3D 9 calls. Under each call: the OpenGL calls it became, made or "
                       "skipped. \"*\" marks a state that is not at its default.\n\n"
                       "State at the frame's start:\n";
    AppendState(&text, record.startState, "  ", false);
    std::set<std::string> programs;
    for (const CallRecord& call : record.calls) {
        text += "\n" + std::to_string(call.number) + ". " + call.call + " = " + call.result;
        text += call.effect.empty() ? "\n" : "  -> " + call.effect + "\n";
        AppendGlCalls(&text, call);
        if (!call.drew) {
            continue;
        }
        const DrawRecord& draw = call.draw;
        if (!draw.picture.empty()) {
            text += "    picture: " + draw.picture + "\n";
        }
        if (!draw.vertexShader.empty()) {
            text += "    program: " + KeyText(draw.programDefines) + "\n";
            programs.insert(draw.programDefines);
            for (const auto& [name, values] : draw.uniforms) {
                text += "      " + name + " = " + values + "\n";
            }
            text += "    state not at its default:\n";
            AppendState(&text, draw.state, "    ", true);
        }
    }
    for (const CallRecord& call : record.calls) {
        if (call.drew && !call.draw.vertexShader.empty() &&
            programs.erase(call.draw.programDefines) != 0) {
            text += "\nThe GLSL of the program drawn by call " + std::to_string(call.number) +
                    ":\n--- vertex shader\n" + call.draw.vertexShader + "--- fragment shader\n" +
                    call.draw.fragmentShader;
        }
    }
    return text;
}
