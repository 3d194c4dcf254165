#!/usr/bin/env node
// First frames against their floor, in one headless Chromium: opens a page first to start the
// browser's GPU process, then RUNS times in turn webgl-clear.html (the floor: a page built as the
// programs' are that clears a WebGL canvas once and reads it back), each program's capture page
// with ?bench=1 (its first frame, read back) and handwritten.html, texcross's frame 1 written by
// hand in plain JavaScript, with ?clear (the same page clearing its canvas alone) and without;
// prints each page's first_frame_ms per run with the median and spread, and each run's ratio of a
// program's to the floor's. The hand-written page's ratio is what its scene costs beyond its own
// clear, added to the floor: (floor + scene - clear) / floor, the ratio texcross's page is held to.
//   node tools/web/first_frame.mjs [RUNS]
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

function spread(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    const median = sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
    return `${values.join(' ')} (median ${median} (${sorted[0]}–${sorted.at(-1)}))`;
}

async function main() {
    const runs = Number(process.argv[2] || 5);
    if (!Number.isInteger(runs) || runs < 1) {
        console.error('usage: first_frame.mjs [RUNS]');
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
