#!/usr/bin/env node
// First frames against their floor, in one headless Chromium: opens a page first to start the
// browser's GPU process, then RUNS times in turn webgl-clear.html (the floor: a page built as the
// programs' are that clears a WebGL canvas once and reads it back) and each program's capture page
// with ?bench=1 (its first frame, read back); prints each page's first_frame_ms per run with the
// median and spread, and each run's ratio of a program's to the floor's.
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
        for (let run = 0; run < runs; ++run) {
            floor.push(await firstFrameMs(browser, `${server.url}webgl-clear.html`));
            for (const program of PROGRAMS) {
                programs[program].push(await firstFrameMs(browser, `${server.url}${program}-capture.html?bench=1`));
            }
        }
        console.log(`floor, ms: ${spread(floor)}`);
        for (const program of PROGRAMS) {
            console.log(`${program}, ms: ${spread(programs[program])}`);
            const ratios = programs[program].map((ms, run) => Number((ms / floor[run]).toFixed(2)));
            console.log(`${program} / floor: ${spread(ratios)}`);
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
