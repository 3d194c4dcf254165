// The record as JSON, for tools and the page.
#include "frame_record.h"

#include <cstdio>

namespace {

const int RECORD_VERSION = 1;

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if ((unsigned char)c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", (unsigned)(unsigned char)c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string StateJson(const std::vector<StateEntry>& state) {
    std::string json = "[";
    for (const StateEntry& entry : state) {
        json += (json.size() > 1 ? "," : "") + std::string("{\"name\":") + Quoted(entry.name) +
                ",\"value\":" + Quoted(entry.value) + ",\"setBy\":" + std::to_string(entry.setBy) +
                ",\"default\":" + (entry.isDefault ? "true" : "false") + "}";
    }
    return json + "]";
}

std::string DrawJson(const DrawRecord& draw) {
    std::string causes = "[";
    for (const PartCause& cause : draw.causes) {
        causes += (causes.size() > 1 ? "," : "") + std::string("{\"part\":") + Quoted(cause.part) +
                  ",\"staleSince\":" + std::to_string(cause.staleSince) + "}";
    }
    std::string uniforms = "[";
    for (const auto& [name, values] : draw.uniforms) {
        uniforms += (uniforms.size() > 1 ? "," : "") + std::string("{\"name\":") + Quoted(name) +
                    ",\"values\":" + Quoted(values) + "}";
    }
    return "{\"picture\":" + Quoted(draw.picture) + ",\"causes\":" + causes +
           "],\"programDefines\":" + Quoted(draw.programDefines) +
           ",\"vertexShader\":" + Quoted(draw.vertexShader) +
           ",\"fragmentShader\":" + Quoted(draw.fragmentShader) + ",\"uniforms\":" + uniforms +
           "],\"state\":" + StateJson(draw.state) + "}";
}

std::string CallJson(const CallRecord& call) {
    std::string gl = "[";
    for (const GlCallRecord& glCall : call.gl) {
        gl += (gl.size() > 1 ? "," : "") + std::string("{\"part\":") + Quoted(glCall.part) +
              ",\"function\":" + Quoted(GlFunctionName(glCall.function)) +
              ",\"made\":" + (glCall.made ? "true" : "false") +
              ",\"arguments\":" + Quoted(glCall.arguments) + "}";
    }
    return "{\"number\":" + std::to_string(call.number) + ",\"call\":" + Quoted(call.call) +
           ",\"result\":" + Quoted(call.result) + ",\"effect\":" + Quoted(call.effect) +
           ",\"gl\":" + gl + "]" + (call.drew ? ",\"drew\":" + DrawJson(call.draw) : "") + "}";
}

} // namespace

std::string FrameRecordJson(const FrameRecord& record) {
    std::string json = "{\"version\":" + std::to_string(RECORD_VERSION) +
                       ",\"startState\":" + StateJson(record.startState) + ",\"calls\":[";
    for (size_t i = 0; i < record.calls.size(); ++i) {
        json += (i == 0 ? "\n" : ",\n") + CallJson(record.calls[i]);
    }
    return json + "\n]}\n";
}
