#!/usr/bin/env python3
"""record-against-trace.py RECORD.json DUMP FRAME: the GL calls a frame's record says were made are
the calls apitrace saw in that frame (DUMP, `apitrace dump --arg-names=yes`), in order and with the
same arguments, but for the capture tool's own read-back of the frame; every call the record says
was skipped sets the value the trace last set (or GL's default); and every GLSL text the record
shows is one the driver was given."""
import json
import re
import sys

READ_BACK = {"glFinish", "glPixelStorei", "glReadPixels"}
# GL's initial values of the state the stand-in skips setting while it still holds them.
DEFAULTS = {
    ("cap", "GL_CULL_FACE"): "glDisable", ("cap", "GL_DEPTH_TEST"): "glDisable",
    ("cap", "GL_BLEND"): "glDisable", ("cap", "GL_DITHER"): "glEnable",
    ("glCullFace",): ["GL_BACK"], ("glFrontFace",): ["GL_CCW"], ("glDepthFunc",): ["GL_LESS"],
    ("glClearDepthf",): ["1"], ("glClearColor",): ["0", "0", "0", "0"],
    ("glActiveTexture",): ["GL_TEXTURE0"],
    ("texture", "GL_TEXTURE_MIN_FILTER"): ["GL_NEAREST_MIPMAP_LINEAR"],
    ("texture", "GL_TEXTURE_MAG_FILTER"): ["GL_LINEAR"],
    ("texture", "GL_TEXTURE_WRAP_S"): ["GL_REPEAT"], ("texture", "GL_TEXTURE_WRAP_T"): ["GL_REPEAT"],
}


def tokens(text):
    """The arguments as a flat list of words and numbers, with GL's booleans as numbers."""
    words = re.findall(r"[A-Za-z_][A-Za-z0-9_]*|-?[0-9.]+(?:e[-+]?[0-9]+)?|0x[0-9a-f]+", text)
    return [{"GL_FALSE": "0", "GL_TRUE": "1"}.get(word, word) for word in words]


def same(a, b):
    if len(a) != len(b):
        return False
    for x, y in zip(a, b):
        if x == y:
            continue
        try:
            fx, fy = float(int(x, 0) if x.startswith("0x") else x), float(y)
        except ValueError:
            return False
        if abs(fx - fy) > 1e-6 * max(1.0, abs(fx)):
            return False
    return True


def state_key(function, args, bound):
    """The state a call sets and the value it sets it to, or None for a call that sets none; bound
    holds the program in use, the active texture unit and the texture bound there."""
    if function in ("glEnable", "glDisable"):
        return ("cap", args[0]), function
    if function in ("glEnableVertexAttribArray", "glDisableVertexAttribArray"):
        return ("array", args[0]), function
    if function in ("glBindBuffer", "glBindTexture", "glPixelStorei", "glVertexAttribPointer"):
        return (function, args[0], bound["unit"] if function == "glBindTexture" else ""), args[1:]
    if function == "glTexParameteri":
        return ("texture", bound["texture"], args[1]), args[2:]
    if function.startswith("glUniform"):
        return ("uniform", bound["program"], args[0]), args[1:]
    if function in ("glUseProgram", "glDepthFunc", "glCullFace", "glFrontFace", "glViewport",
                    "glClearColor", "glClearDepthf", "glActiveTexture"):
        return (function,), args
    return None


def traced_calls(dump, frame):
    calls, shaders, swaps = [], set(), 0
    for entry in re.split(r"\n(?=\d+ \w+\()", dump):
        match = re.match(r"\d+ (\w+)\((.*)\)(?: = [^\n]*)?\s*$", entry, re.S)
        if not match:
            continue
        function, args = match.group(1), match.group(2)
        if function.endswith("SwapBuffers"):
            swaps += 1
        elif function == "glShaderSource":
            shaders.add(re.search(r'string = &"(.*)", length', args, re.S).group(1))
        elif re.match(r"gl[A-Z][a-z]", function):
            calls.append((swaps == frame - 1, function, tokens(re.sub(r"\w+ = ", "", args))))
    return calls, shaders


def initial_value(key):
    """GL's initial value of a state, or None where the table does not know it."""
    if key[0] == "array":
        return "glDisableVertexAttribArray"
    if key[0] in ("uniform", "glBindBuffer"):
        return ["0"]
    if key[0] == "texture":
        # Every texture starts with the same parameters, whichever it is.
        return DEFAULTS.get(("texture", key[2]))
    return DEFAULTS.get(key)


def held_before(calls):
    """What the traced calls leave set: each state's value, and what is bound."""
    held, bound = {}, {"program": "0", "unit": "GL_TEXTURE0", "texture": "0"}
    for _, function, args in calls:
        if function in ("glUseProgram", "glActiveTexture", "glBindTexture"):
            bound[{"glUseProgram": "program", "glActiveTexture": "unit"}.get(
                function, "texture")] = args[-1]
        key = state_key(function, args, bound)
        if key:
            held[key[0]] = key[1]
    return held, bound


def main(record_path, dump_path, frame):
    record = json.load(open(record_path))
    calls, shaders = traced_calls(open(dump_path).read(), int(frame))
    frame_calls = [i for i, call in enumerate(calls) if call[0] and call[1] not in READ_BACK]
    position, faults = 0, []
    for number, gl in ((call["number"], gl) for call in record["calls"] for gl in call["gl"]):
        args = tokens(gl["arguments"])
        if gl["made"]:
            if position == len(frame_calls):
                faults.append("call %d made %s, which the trace lacks" % (number, gl["function"]))
                break
            _, function, traced = calls[frame_calls[position]]
            if function != gl["function"] or not same(args, traced):
                faults.append("call %d made %s(%s), the trace %s(%s)" %
                              (number, gl["function"], args, function, traced))
            position += 1
            continue
        before = frame_calls[position] if position < len(frame_calls) else len(calls)
        held, bound = held_before(calls[:before])
        key, value = state_key(gl["function"], args, bound)
        last = held.get(key, initial_value(key))
        if last is None or not (last == value if isinstance(last, str) else same(value, last)):
            faults.append("call %d skipped %s(%s), but the trace holds %s" %
                          (number, gl["function"], args, last))
    if position != len(frame_calls):
        faults.append("the trace has %d calls in the frame the record lacks, from %s" %
                      (len(frame_calls) - position, calls[frame_calls[position]][1]))
    for call in record["calls"]:
        for text in ("vertexShader", "fragmentShader"):
            if call.get("drew", {}).get(text) and call["drew"][text] not in shaders:
                faults.append("call %d shows a %s the driver was not given" % (call["number"], text))
    print("\n".join(faults) or "%d calls made, all as traced" % position)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
