// Debian's Chromium, headless with WebGL on SwiftShader, driven by puppeteer-core: nothing here
// downloads a browser.
import puppeteer from 'puppeteer-core';

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

// extraArgs: more of Chromium's switches (the tests start one with --disable-webgl).
export function launchBrowser(extraArgs = []) {
    return puppeteer.launch({
        executablePath: CHROMIUM,
        headless: 'new',
        args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', ...extraArgs],
    });
}

// Opens url in a new page that collects its errors (the exit that ends a program's code is no
// error).
export async function openPage(browser, url) {
    const page = await browser.newPage();
    page.errors = [];
    page.on('pageerror', (error) => {
        if (error.message !== 'ExitStatus') page.errors.push(error.message);
    });
    await page.setViewport({width: 800, height: 640});
    await page.goto(url);
    return page;
}

// Waits until the program in the page has ended; resolves to its exit code.
export async function programEnded(page, timeoutMs) {
    await page.waitForFunction(() => window.programExitCode !== undefined || window.programError,
        {timeout: timeoutMs, polling: 50});
    const {code, error} = await page.evaluate(() => ({
        code: window.programExitCode,
        error: window.programError,
    }));
    if (error) throw new Error(`the program failed in the page: ${error}`);
    return code;
}

// Runs a capture page with the options of the capture tool; resolves to {exitCode, output,
// errors, png (a Buffer, or null)}.
export async function runCapture(browser, baseUrl, program, options, timeoutMs) {
    const query = new URLSearchParams(options).toString();
    const page = await openPage(browser, `${baseUrl}${program}-capture.html?${query}`);
    try {
        await programEnded(page, timeoutMs);
        const result = await page.evaluate(() => ({
            ...window.captureResult,
            png: window.captureResult.png ? Array.from(window.captureResult.png) : null,
        }));
        result.png = result.png ? Buffer.from(result.png) : null;
        return result;
    } finally {
        await page.close();
    }
}
