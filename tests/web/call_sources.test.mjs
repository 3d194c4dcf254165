// The frame panel's tie from a recorded call to its source line (web/call_sources.js), in Node
// without a browser: every call of the desktop's frames 1 to 3 of each program maps to exactly
// one line, a line that calls that method (or the D3DX function that called it), and each draw
// names the scene's loop with its pass (eight boxes on boxring's ring, five cubes in texcross's
// cross).
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {desktopRecord, loadCallSources, methodOf, programSources} from './desktop_calls.mjs';

const callSources = await loadCallSources();
const cases = [['boxring', 'boxring/ring_scene.cpp', 8], ['texcross', 'texcross/cross_scene.cpp', 5]];

for (const [program, scene, draws] of cases) {
    test(`${program}: every call of frames 1 to 3 has one line; the draws are passes 1 to ${draws} of ${scene}`, async () => {
        const sources = await programSources(program);
        for (const frame of [1, 2, 3]) {
            const texts = (await desktopRecord(program, frame)).calls.map((call) => call.call);
            const mapped = callSources.map(sources, texts);
            texts.forEach((text, i) => {
                const {path, line, candidates, library} = mapped[i];
                assert.equal(candidates, 1, `frame ${frame}: ${text}`);
                const called = library ? `${library}(` : `->${methodOf(text)}(`;
                assert.ok(sources[path].split('\n')[line - 1].includes(called), `${text}: ${path}:${line}`);
            });
            const passes = mapped.filter((_, i) => methodOf(texts[i]) === 'DrawIndexedPrimitive')
                .map(({via}) => `${via.path} ${via.pass}`);
            assert.deepEqual(passes, Array.from({length: draws}, (_, i) => `${scene} ${i + 1}`));
        }
    });
}
