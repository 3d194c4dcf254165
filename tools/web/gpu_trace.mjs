#!/usr/bin/env node
// Where the GPU process spends a page's first frame: in one headless Chromium, opens a page first
// to start the GPU process, then RUNS times in turn the floor (webgl-clear.html), texcross's and
// boxring's capture pages (?bench=1) and the hand-written page, each traced with Chromium's GPU categories and every GL
// call of the GPU process traced (the DevTools protocol's Tracing), and prints per page the medians
// of the GPU process's time, up to the end of the page's first read-back, in each GL call and task
// (its own time, nested events taken out) and how many there were, the largest first.
//   node tools/web/gpu_trace.mjs [RUNS]
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {launchBrowser, openPage, programEnded} from './browser.mjs';
import {startServer} from './static_server.mjs';

const TIMEOUT_MS = 60000;
const SHOWN = 12;
const CATEGORIES = ['gpu', 'disabled-by-default-gpu.decoder', 'disabled-by-default-gpu.service'];
const BUILD = process.env.WEB_BUILD_DIR ||
    path.join(path.dirname(fileURLToPath(import.meta.url)), '..', '..', 'build-web');
const PAGES = [
    {name: 'floor', url: 'webgl-clear.html'},
    {name: 'texcross', url: 'texcross-capture.html?bench=1'},
    {name: 'boxring', url: 'boxring-capture.html?bench=1'},
    {name: 'hand-written', url: 'handwritten.html'},
];

// The GPU process's own time per event name, in ms: each complete event's duration less that of
// the events nested in it on the same thread.
function ownTimes(events) {
    const gpu = events.find((e) => e.ph === 'M' && e.name === 'process_name' &&
        /GPU/i.test(e.args.name));
    if (!gpu) throw new Error('the trace has no GPU process');
    // Up to the end of the first frame's read-back, the page's first readPixels.
    const readBack = events.filter((e) => e.pid === gpu.pid && e.ph === 'X' &&
        e.name === 'TraceGLAPI::glReadPixelsRobustANGLE').sort((a, b) => a.ts - b.ts)[0];
    if (!readBack) throw new Error('the trace has no read-back');
    const end = readBack.ts + readBack.dur;
    const byThread = new Map();
    for (const e of events) {
        if (e.pid !== gpu.pid || e.ph !== 'X' || e.dur === undefined || e.ts + e.dur > end) continue;
        if (!byThread.has(e.tid)) byThread.set(e.tid, []);
        byThread.get(e.tid).push(e);
    }
    const totals = new Map();
    for (const list of byThread.values()) {
        list.sort((a, b) => a.ts - b.ts || b.dur - a.dur);
        const open = [];
        for (const e of list) {
            while (open.length && open[open.length - 1].ts + open[open.length - 1].dur <= e.ts) {
                open.pop();
            }
            if (open.length) open[open.length - 1].own -= e.dur;
            e.own = e.dur;
            open.push(e);
        }
        for (const e of list) {
            const total = totals.get(e.name) || {ms: 0, count: 0};
            totals.set(e.name, {ms: total.ms + e.own / 1000, count: total.count + 1});
        }
    }
    return totals;
}

async function traced(browser, url) {
    const page = await browser.newPage();
    try {
        await page.tracing.start({categories: CATEGORIES});
        await page.setViewport({width: 800, height: 640});
        await page.goto(url);
        const code = await programEnded(page, TIMEOUT_MS);
        if (code !== 0) throw new Error(`${url} ended with exit code ${code}`);
        const trace = JSON.parse(Buffer.from(await page.tracing.stop()).toString('utf8'));
        return ownTimes(trace.traceEvents);
    } finally {
        await page.close();
    }
}

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

const runs = Number(process.argv[2] || 5);
if (!Number.isInteger(runs) || runs < 1 || runs > 99 || process.argv.length > 3) {
    console.error('usage: node tools/web/gpu_trace.mjs [RUNS 1 to 99]');
    process.exit(2);
}
const server = await startServer(BUILD);
const browser = await launchBrowser(['--enable-gpu-service-tracing']);
try {
    const base = server.url;
    await (await openPage(browser, `${base}webgl-clear.html`)).close();
    const results = PAGES.map(() => []);
    for (let run = 0; run < runs; ++run) {
        for (const [i, page] of PAGES.entries()) results[i].push(await traced(browser, base + page.url));
    }
    for (const [i, page] of PAGES.entries()) {
        const names = new Set(results[i].flatMap((totals) => [...totals.keys()]));
        const rows = [...names].map((name) => [name,
            median(results[i].map((t) => t.get(name)?.ms || 0)),
            median(results[i].map((t) => t.get(name)?.count || 0))]);
        const all = median(results[i].map((t) => [...t.values()].reduce((a, b) => a + b.ms, 0)));
        rows.sort((a, b) => b[1] - a[1]);
        console.log(`${page.name}: the GPU process's traced time, median of ${runs}: ${all.toFixed(1)} ms`);
        for (const [name, ms, count] of rows.slice(0, SHOWN)) {
            console.log(`  ${ms.toFixed(1).padStart(8)} ms ${String(count).padStart(5)} x  ${name}`);
        }
    }
} finally {
    await browser.close();
    server.close();
}
