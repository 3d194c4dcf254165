#!/usr/bin/env node
// First frames against their floor, in one headless Chromium: opens a page first to start the
// browser's GPU process, then RUNS times in turn webgl-clear.html (the floor: a page built as the
// programs' are that clears a WebGL canvas once and reads it back), each program's capture page
// with ?bench=1 (its first frame, read back) and handwritten.html, texcross's frame 1 written by
// hand in plain JavaScript, with ?clear (the same page clearing its canvas alone) and without;
// prints each page's first_frame_ms per run with the median and spread, and each run's ratio of a
// program's to the floor's. The hand-written page's ratio is what its scene costs beyond its own
// clear, added to the floor: (floor + scene - clear) / floor, the ratio texcross's page is held to.
// With --phases it then opens texcross's capture page and the hand-written page RUNS times more,
// timing each of their WebGL calls, and prints the medians of where the first frame's time goes.
//   node tools/web/first_frame.mjs [RUNS] [--phases]
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {launchBrowser, openPage, programEnded} from './browser.mjs';
import {startServer} from './static_server.mjs';

const TIMEOUT_MS = 60000;
const PROGRAMS = ['boxring', 'texcross'];
const BUILD = process.env.WEB_BUILD_DIR ||
    path.join(path.dirname(fileURLToPath(import.meta.url)), '..', '..', 'build-web');

async function firstFrameMs(browser, url) {
    const page = await openPage(browser, url);
    try {
        const code = await programEnded(page, TIMEOUT_MS);
        const result = await page.evaluate(() => window.captureResult);
        if (code !== 0) throw new Error(`${url} ended with exit code ${code}: ${result.errors}`);
        return Number(/first_frame_ms=([0-9.]+)/.exec(result.output)[1]);
    } finally {
        await page.close();
    }
}

// Wraps every WebGL call of the page to note its start and end (ms from the navigation).
function timeWebGlCalls() {
    window.webGlCalls = [];
    const prototype = WebGLRenderingContext.prototype;
    for (const name of Object.getOwnPropertyNames(prototype)) {
        const call = Object.getOwnPropertyDescriptor(prototype, name).value;
        if (typeof call !== 'function') continue;
        prototype[name] = function (...args) {
            const start = performance.now();
            const result = call.apply(this, args);
            window.webGlCalls.push([name, start, performance.now()]);
            return result;
        };
    }
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (...args) {
        const start = performance.now();
        const context = getContext.apply(this, args);
        if (args[0] === 'webgl') window.webGlCalls.push(['getContext', start, performance.now()]);
        return context;
    };
}

// Calls that wait for the GPU process's answer.
const ANSWERED_CALLS = ['getError', 'getShaderParameter', 'getProgramParameter', 'getParameter', 'finish'];

// Where one page's first frame goes, from its WebGL calls: when the context was made, the time
// from then to the first draw less the waits for the GPU process's answers (the program's own
// work, or the hand-written page waiting for its images), those waits before the first read-back,
// and that read-back's wait (the GPU process compiling the shaders for SwiftShader and drawing).
async function firstFramePhases(browser, url) {
    const page = await browser.newPage();
    try {
        await page.evaluateOnNewDocument(timeWebGlCalls);
        await page.goto(url);
        const code = await programEnded(page, TIMEOUT_MS);
        const {calls, output} = await page.evaluate(() => ({calls: window.webGlCalls, output: window.captureResult.output}));
        if (code !== 0) throw new Error(`${url} ended with exit code ${code}`);
        const context = calls.findLast(([name]) => name === 'getContext')[2];
        const firstDraw = calls.find(([name]) => name.startsWith('draw'))[1];
        const read = calls.find(([name]) => name === 'readPixels');
        const waited = (from, to) => calls
            .filter(([name, start]) => ANSWERED_CALLS.includes(name) && start >= from && start < to)
            .reduce((sum, [, start, end]) => sum + end - start, 0);
        const round = (ms) => Math.round(ms);
        return {
            'context made': round(context),
            'context to first draw, less the waits': round(firstDraw - context - waited(context, firstDraw)),
            'waits for answers': round(waited(0, read[1])),
            'first read-back waits': round(read[2] - read[1]),
            'first frame': Number(/first_frame_ms=([0-9.]+)/.exec(output)[1]),
        };
    } finally {
        await page.close();
    }
}

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

function spread(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return `${values.join(' ')} (median ${median(values)} (${sorted[0]}–${sorted.at(-1)}))`;
}

async function main() {
    const phases = process.argv.includes('--phases');
    const counts = process.argv.slice(2).filter((argument) => argument !== '--phases');
    const runs = Number(counts[0] || 5);
    if (!Number.isInteger(runs) || runs < 1 || counts.length > 1) {
        console.error('usage: first_frame.mjs [RUNS] [--phases]');
        return 2;
    }
    const server = await startServer(BUILD);
    const browser = await launchBrowser();
    try {
        await firstFrameMs(browser, `${server.url}webgl-clear.html`);
        const floor = [];
        const programs = Object.fromEntries(PROGRAMS.map((program) => [program, []]));
        const handClear = [];
        const handScene = [];
        for (let run = 0; run < runs; ++run) {
            floor.push(await firstFrameMs(browser, `${server.url}webgl-clear.html`));
            for (const program of PROGRAMS) {
                programs[program].push(await firstFrameMs(browser, `${server.url}${program}-capture.html?bench=1`));
            }
            handClear.push(await firstFrameMs(browser, `${server.url}handwritten.html?clear`));
            handScene.push(await firstFrameMs(browser, `${server.url}handwritten.html`));
        }
        const ratio = (value) => Number(value.toFixed(2));
        console.log(`floor, ms: ${spread(floor)}`);
        for (const program of PROGRAMS) {
            console.log(`${program}, ms: ${spread(programs[program])}`);
            console.log(`${program} / floor: ${spread(programs[program].map((ms, run) => ratio(ms / floor[run])))}`);
        }
        console.log(`hand-written page clearing, ms: ${spread(handClear)}`);
        console.log(`hand-written page drawing texcross's scene, ms: ${spread(handScene)}`);
        const handRatios = handScene.map((ms, run) => ratio((floor[run] + ms - handClear[run]) / floor[run]));
        console.log(`hand-written scene, (floor + scene - clear) / floor: ${spread(handRatios)}`);
        if (phases) {
            const pages = {texcross: 'texcross-capture.html?bench=1', 'hand-written': 'handwritten.html'};
            const measured = Object.fromEntries(Object.keys(pages).map((name) => [name, []]));
            for (let run = 0; run < runs; ++run) {
                for (const [name, page] of Object.entries(pages)) {
                    measured[name].push(await firstFramePhases(browser, `${server.url}${page}`));
                }
            }
            console.log('where the first frame goes, ms from the navigation (medians):');
            for (const [name, rows] of Object.entries(measured)) {
                console.log(`  ${name}: ${Object.keys(rows[0]).map((phase) =>
                    `${phase} ${median(rows.map((row) => row[phase]))}`).join(', ')}`);
            }
        }
        return 0;
    } finally {
        await browser.close();
        await server.close();
    }
}

main().then((code) => { process.exitCode = code; }, (error) => {
    console.error(`first_frame.mjs: ${error.message}`);
    process.exitCode = 1;
});
