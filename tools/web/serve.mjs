#!/usr/bin/env node
// Serves the browser build on 127.0.0.1 and prints the page's address:
//   node tools/web/serve.mjs DIR PAGE                      serves until Ctrl+C
//   node tools/web/serve.mjs DIR PAGE --screenshot FILE    opens the page in headless Chromium,
//                                                          saves a picture of it once the program
//                                                          draws, and stops
import {startServer} from './static_server.mjs';

const FIRST_FRAME_TIMEOUT_MS = 30000;
const SETTLE_MS = 1000;

async function screenshot(url, file) {
    // Only pictures need the browser's driver (npm ci); serving needs nothing beyond Node.
    const {launchBrowser, openPage} = await import('./browser.mjs');
    const browser = await launchBrowser();
    try {
        const page = await openPage(browser, url);
        await page.waitForFunction(
            () => document.querySelector('.window:not([hidden])') || window.programExitCode !== undefined,
            {timeout: FIRST_FRAME_TIMEOUT_MS});
        await new Promise((resolve) => setTimeout(resolve, SETTLE_MS));
        await page.screenshot({path: file});
        if (page.errors.length > 0) console.error(page.errors.join('\n'));
    } finally {
        await browser.close();
    }
}

async function main() {
    const [folder, pageName, option, file] = process.argv.slice(2);
    if (!folder || !pageName || (option !== undefined && (option !== '--screenshot' || !file))) {
        console.error('usage: serve.mjs DIR PAGE [--screenshot FILE]');
        return 2;
    }
    const server = await startServer(folder);
    const url = server.url + pageName;
    console.log(`Serving ${folder} at ${url}`);
    if (option === undefined) {
        console.log('Press Ctrl+C to stop.');
        await new Promise((resolve) => {
            process.once('SIGINT', resolve);
            process.once('SIGTERM', resolve);
        });
        await server.close();
        return 0;
    }
    try {
        await screenshot(url, file);
        console.log(`Screenshot of the page: ${file}`);
        return 0;
    } finally {
        await server.close();
    }
}

main().then((code) => { process.exitCode = code; }, (error) => {
    console.error(`serve.mjs: ${error.message}`);
    process.exitCode = 1;
});
