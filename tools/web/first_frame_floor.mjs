#!/usr/bin/env node
// The floor for the pages' first frame: opens webgl-clear.html from the browser build in a fresh
// headless Chromium, as capture.mjs opens a capture page, and prints its line
// first_frame_ms=T (a page built as the programs' are that clears a WebGL canvas once).
//   node tools/web/first_frame_floor.mjs
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {launchBrowser, openPage, programEnded} from './browser.mjs';
import {startServer} from './static_server.mjs';

const TIMEOUT_MS = 60000;
const BUILD = process.env.WEB_BUILD_DIR ||
    path.join(path.dirname(fileURLToPath(import.meta.url)), '..', '..', 'build-web');

async function main() {
    const server = await startServer(BUILD);
    const browser = await launchBrowser();
    try {
        const page = await openPage(browser, `${server.url}webgl-clear.html`);
        const code = await programEnded(page, TIMEOUT_MS);
        const result = await page.evaluate(() => window.captureResult);
        if (code !== 0) {
            console.error(`first_frame_floor.mjs: webgl-clear ended with exit code ${code}: ${result.errors}`);
            return 1;
        }
        console.log(result.output);
        return 0;
    } finally {
        await browser.close();
        await server.close();
    }
}

main().then((code) => { process.exitCode = code; }, (error) => {
    console.error(`first_frame_floor.mjs: ${error.message}`);
    process.exitCode = 1;
});
