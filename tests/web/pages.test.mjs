// The browser build's pages in headless Chromium: pictures against the native goldens, the capture
// page's defaults and failures, the window, keys, the close button, lost WebGL contexts, the
// message box for broken images, and the page's own files failing, late or slow. Every page the
// tests open is checked with axe-core before it closes.
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import {createRequire} from 'node:module';
import {after, before, describe, test} from 'node:test';
import {fileURLToPath} from 'node:url';

import {PNG} from 'pngjs';

import {launchBrowser, openPage, programEnded, runCapture} from '../../tools/web/browser.mjs';
import {desktopRecord, methodOf} from './desktop_calls.mjs';
import {NO_ANSWER, startServer, trickle} from '../../tools/web/static_server.mjs';

const HERE = path.dirname(fileURLToPath(import.meta.url));
const SOURCE = path.join(HERE, '..', '..');
const BUILD = process.env.WEB_BUILD_DIR || path.join(SOURCE, 'build-web');
const GOLDEN = path.join(SOURCE, 'tests', 'pictures', 'golden');
const TIMEOUT_MS = 60000;
// The scene's clear colour: where it shows, a frame has been drawn.
const BACKGROUND = [0, 0, 80];
const LOAD_FAILED_TEXT = 'B\u0142\u0105d \u0142adowania tekstury!';
const INIT_FAILED_TEXT = 'B\u0142\u0105d inicjalizacji Direct3D!';
const WAITING_TEXT = 'The program waits for its message box: OK, Return or Escape closes it.';
const statusText = (page) => page.$eval('#status', (line) => line.textContent);
const AXE = await fs.readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// axe-core, from node_modules, on the page as it is now: a serious or critical finding fails.
async function assertAccessible(page) {
    if (!(await page.evaluate(() => Boolean(window.axe)))) await page.evaluate(AXE);
    const findings = await page.evaluate(async () => (await window.axe.run()).violations
        .filter((finding) => ['serious', 'critical'].includes(finding.impact))
        .map((finding) => `${finding.id}: ${finding.nodes.map((node) => node.target).join(', ')}`));
    assert.deepEqual(findings, [], page.url());
}

// Every page of the browser it is given is checked as it closes.
function checkingAccessibility(browser) {
    const newPage = browser.newPage.bind(browser);
    browser.newPage = async () => {
        const page = await newPage();
        const close = page.close.bind(page);
        page.close = async () => {
            try {
                await assertAccessible(page);
            } finally {
                await close();
            }
        };
        return page;
    };
    return browser;
}

let browser;
let server;

before(async () => {
    browser = checkingAccessibility(await launchBrowser());
    server = await startServer(BUILD);
});

after(async () => {
    await browser?.close();
    await server?.close();
});

function psnr(a, b) {
    assert.equal(a.width, b.width);
    assert.equal(a.height, b.height);
    let sum = 0;
    let count = 0;
    for (let i = 0; i < a.data.length; i += 4) {
        for (let c = 0; c < 3; ++c) {
            const d = a.data[i + c] - b.data[i + c];
            sum += d * d;
            ++count;
        }
    }
    return sum === 0 ? Infinity : 10 * Math.log10((255 * 255 * count) / sum);
}

async function canvasPicture(page) {
    const canvas = await page.$('canvas');
    return PNG.sync.read(await canvas.screenshot());
}

function backgroundPixels(picture) {
    let count = 0;
    for (let i = 0; i < picture.data.length; i += 4) {
        if (BACKGROUND.every((value, c) => Math.abs(picture.data[i + c] - value) <= 2)) ++count;
    }
    return count;
}

// Two pictures of the canvas some frames apart: both drawn, and different.
async function assertDrawingAndChanging(page) {
    const first = await canvasPicture(page);
    await new Promise((resolve) => setTimeout(resolve, 300));
    const second = await canvasPicture(page);
    assert.ok(backgroundPixels(first) > 10000, 'the canvas shows the scene');
    assert.ok(backgroundPixels(second) > 10000, 'the canvas shows the scene');
    assert.ok(psnr(first, second) < 60, 'the picture changes');
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function waitForScene(page) {
    await page.waitForFunction(() => document.querySelector('canvas') !== null, {timeout: TIMEOUT_MS});
    const deadline = Date.now() + TIMEOUT_MS;
    while (backgroundPixels(await canvasPicture(page)) === 0) {
        assert.ok(Date.now() < deadline, 'no frame was drawn');
        await sleep(100);
    }
}

describe('frames agree with the native goldens', () => {
    const cases = [
        ['boxring', 1, 40], ['boxring', 100, 40], ['boxring', 1000, 40],
        ['texcross', 1, 35], ['texcross', 100, 35], ['texcross', 1000, 35],
    ];
    for (const [program, frame, leastDb] of cases) {
        test(`${program} frame ${frame} within ${leastDb} dB`, async () => {
            const result = await runCapture(browser, server.url, program, {frame}, TIMEOUT_MS);
            assert.equal(result.exitCode, 0, result.errors);
            const golden = PNG.sync.read(await fs.readFile(path.join(GOLDEN, `${program}-frame${frame}.png`)));
            const db = psnr(PNG.sync.read(result.png), golden);
            assert.ok(db >= leastDb, `${db.toFixed(1)} dB`);
        });
    }
});

// The benchmark reads back its last frame, frame N + 30, before its clock stops: a loop that
// only hands frames over without their being drawn shows another picture, or none.
describe('the benchmark\'s last frame is the picture of its frame number', () => {
    for (const [program, bench] of [['boxring', 70], ['texcross', 5]]) {
        test(`${program} bench=${bench} ends on frame ${bench + 30}`, async () => {
            const benchmark = await runCapture(browser, server.url, program, {bench}, TIMEOUT_MS);
            const picture = await runCapture(browser, server.url, program, {frame: bench + 30}, TIMEOUT_MS);
            assert.equal(benchmark.exitCode, 0, benchmark.errors);
            assert.match(benchmark.output, new RegExp(`^frames=${bench} seconds=`));
            assert.deepEqual(PNG.sync.read(benchmark.png).data, PNG.sync.read(picture.png).data);
        });
    }
});

test('many_draws-capture.html?bench=2&draws=8 runs and prints its benchmark line', async () => {
    const result = await runCapture(browser, server.url, 'many_draws', {bench: 2, draws: 8}, TIMEOUT_MS);
    assert.equal(result.exitCode, 0, result.errors);
    assert.match(result.output, /^frames=2 seconds=\S+ fps=\S+ first_frame_ms=\S+$/);
});

test('a benchmark whose tab is hidden for a while says its figures are not to be trusted', async () => {
    const page = await openPage(browser, `${server.url}boxring-capture.html?bench=1000`);
    await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Running'),
        {timeout: TIMEOUT_MS});
    const other = await openPage(browser, `${server.url}index.html`);
    await other.bringToFront();
    await sleep(300);
    await page.bringToFront();
    assert.equal(await programEnded(page, TIMEOUT_MS), 0);
    const hidden = /^frames=1000 seconds=\S+ fps=\S+ first_frame_ms=\S+ \(not to be trusted: the tab was hidden during the run/;
    assert.match(await page.evaluate(() => window.captureResult.output), hidden);
    assert.match(await statusText(page), /exit code 0\. frames=.*\(not to be trusted: the tab was hidden/);
    await other.close();
    await page.close();
});

describe('boxring-capture.html', () => {
    // The query, the exit code, and what the status line ends with.
    const cases = [
        ['size=320x200', 0, /exit code 0\.$/],
        ['frame=0', 2, /bad value for --frame: "0" .*see .* --help$/],
        ['bench=5&frame=2', 2, /--bench takes no --frame; see .* --help$/],
    ];
    for (const [query, code, status] of cases) {
        test(`?${query}: exit code ${code}, a picture exactly when it is 0, the reason shown`, async () => {
            const page = await openPage(browser, `${server.url}boxring-capture.html?${query}`);
            assert.equal(await programEnded(page, TIMEOUT_MS), code);
            assert.match(await page.$eval('#status', (line) => line.textContent), status);
            const png = await page.evaluate(() => window.captureResult.png && Array.from(window.captureResult.png));
            if (code === 0) {
                const picture = PNG.sync.read(Buffer.from(png));
                assert.deepEqual([picture.width, picture.height], [320, 200]);
            } else {
                assert.equal(png, null);
            }
            await page.close();
        });
    }
});

describe('boxring.html', () => {
    test('shows the titled window drawing; Escape held across a poll ends it with 0', async () => {
        const page = await openPage(browser, `${server.url}boxring.html`);
        await waitForScene(page);
        assert.equal(await page.title(), 'DirectX lighting boxes');
        assert.equal(await page.$eval('.window .title', (title) => title.textContent),
            'DirectX lighting boxes');
        const size = await page.$eval('canvas', (canvas) => [canvas.width, canvas.height]);
        assert.deepEqual(size, [624, 441]);
        const named = await page.$('::-p-aria([name="DirectX lighting boxes"][role="application"])');
        assert.equal(await named?.evaluate((element) => element.id), 'window-1-canvas');
        await page.focus('.window .close');
        await page.keyboard.press('Tab');
        assert.deepEqual(await page.$eval('canvas', (canvas) => [canvas === document.activeElement,
            getComputedStyle(canvas).outlineStyle]), [true, 'solid'], 'focus from the keyboard shows');
        await assertDrawingAndChanging(page);
        await page.keyboard.down('Escape');
        assert.equal(await programEnded(page, TIMEOUT_MS), 0);
        await page.keyboard.up('Escape');
        assert.match(await page.$eval('#status', (status) => status.textContent), /exit code 0/);
        // Ended: the picture stays as it was.
        const first = await canvasPicture(page);
        await sleep(300);
        assert.equal(psnr(first, await canvasPicture(page)), Infinity);
        assert.deepEqual(page.errors, []);
        await page.close();
    });

    test('keys typed elsewhere in the page stay there; Escape in the clicked window ends it', async () => {
        const page = await openPage(browser, `${server.url}boxring.html`);
        await waitForScene(page);
        await page.evaluate(() => document.body.appendChild(document.createElement('input')).ariaLabel = 'elsewhere');
        await page.focus('input');
        await page.keyboard.type('a b');
        await page.keyboard.down('Escape');
        await sleep(300);
        await page.keyboard.up('Escape');
        assert.equal(await page.$eval('input', (input) => input.value), 'a b');
        assert.equal(await page.evaluate(() => window.programExitCode), undefined);
        await page.click('canvas');
        await page.keyboard.down('Escape');
        assert.equal(await programEnded(page, TIMEOUT_MS), 0);
        await page.close();
    });

    test('the close button ends it with 0', async () => {
        const page = await openPage(browser, `${server.url}boxring.html`);
        await waitForScene(page);
        await page.click('.window .close');
        assert.equal(await programEnded(page, TIMEOUT_MS), 0);
        await page.close();
    });

    test('on a phone (360 × 640, touch) the window fits, keeping its proportions; a tap gives it the keys, a tap on × ends it with 0', async () => {
        const page = await browser.newPage();
        await page.setViewport({width: 360, height: 640, isMobile: true, hasTouch: true});
        await page.goto(`${server.url}boxring.html`);
        await waitForScene(page);
        const [frame, canvas, pageWidth] = await page.evaluate(() => [
            document.querySelector('.window').getBoundingClientRect().toJSON(),
            document.querySelector('canvas').getBoundingClientRect().toJSON(),
            document.documentElement.scrollWidth,
        ]);
        assert.ok(frame.left >= 0 && frame.right <= 360 && frame.bottom <= 640, JSON.stringify(frame));
        assert.ok(pageWidth <= 360, `the page is ${pageWidth} px wide`);
        assert.ok(Math.abs(canvas.width / canvas.height - 624 / 441) < 0.01, JSON.stringify(canvas));
        await page.evaluate(() => document.activeElement.blur());
        await page.tap('canvas');
        assert.equal(await page.evaluate(() => document.activeElement.id), 'window-1-canvas');
        await page.tap('.window .close');
        assert.equal(await programEnded(page, TIMEOUT_MS), 0);
        await page.close();
    });

    test('comes back from a lost WebGL context and spins on, saying so meanwhile', async () => {
        const page = await openPage(browser, `${server.url}boxring.html`);
        await waitForScene(page);
        const running = await statusText(page);
        await page.evaluate(() => {
            window.loseContext = document.querySelector('canvas').getContext('webgl')
                .getExtension('WEBGL_lose_context');
            window.loseContext.loseContext();
        });
        await sleep(500);
        assert.match(await statusText(page), /drawing waits for the browser to give it back/);
        await page.evaluate(() => window.loseContext.restoreContext());
        await sleep(1000);
        assert.equal(await statusText(page), running);
        await assertDrawingAndChanging(page);
        assert.equal(await page.evaluate(() => window.programExitCode), undefined);
        assert.deepEqual(page.errors, []);
        await page.close();
    });

    test('comes back from one loss and then a burst of four', async () => {
        const page = await openPage(browser, `${server.url}boxring.html`);
        await waitForScene(page);
        await page.evaluate(async () => {
            const lose = document.querySelector('canvas').getContext('webgl').getExtension('WEBGL_lose_context');
            const tick = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
            for (const pause of [500, 0, 0, 0, 0]) {
                lose.loseContext();
                await tick(0);
                lose.restoreContext();
                await tick(pause);
            }
        });
        await sleep(1000);
        assert.equal(await page.$('.message-box'), null, 'no failure box');
        await assertDrawingAndChanging(page);
        await page.close();
    });
});

describe('the source panel', () => {
    // Every .cpp and .h file in the program's folder and in common/ is compiled into it.
    async function sourcesInTree(program) {
        const paths = [];
        for (const folder of [program, 'common']) {
            for (const name of (await fs.readdir(path.join(SOURCE, folder))).sort()) {
                if (/\.(cpp|h)$/.test(name)) paths.push(`${folder}/${name}`);
            }
        }
        return paths;
    }

    for (const program of ['boxring', 'texcross']) {
        test(`${program}.html: a tab for each of its sources, each with the tree's text, nothing from elsewhere`, async () => {
            const page = await browser.newPage();
            const elsewhere = [];
            page.on('request', (request) => {
                if (!request.url().startsWith(server.url) && !request.url().startsWith('data:')) {
                    elsewhere.push(request.url());
                }
            });
            await page.goto(`${server.url}${program}.html`);
            const tabs = await page.$$eval('#source .tabs button', (buttons) => buttons.map((tab) => tab.dataset.path));
            assert.deepEqual(tabs, await sourcesInTree(program));
            // The first tab by a click, each next one by the right arrow.
            for (const [index, file] of tabs.entries()) {
                if (index === 0) {
                    await page.click(`#source .tabs button[data-path="${file}"]`);
                } else {
                    await page.keyboard.press('ArrowRight');
                }
                assert.equal(await page.evaluate(() => document.activeElement.dataset.path), file);
                await page.waitForFunction((shown) => document.querySelector('#source .code').dataset.path === shown,
                    {timeout: TIMEOUT_MS}, file);
                const [text, numbers] = await page.$eval('#source', (panel) =>
                    [panel.querySelector('.code').textContent, panel.querySelector('.lines').textContent]);
                const inTree = await fs.readFile(path.join(SOURCE, file), 'utf8');
                assert.equal(text, inTree, file);
                const lineCount = inTree.split('\n').length - (inTree.endsWith('\n') ? 1 : 0);
                assert.equal(numbers.split('\n').at(-1), String(lineCount), file);
            }
            await waitForScene(page);
            assert.deepEqual(elsewhere, []);
            await page.close();
        });
    }
});

describe('texcross.html with a broken tex2.jpg', () => {
    let folder;
    before(async () => {
        folder = await fs.mkdtemp(path.join(os.tmpdir(), 'texcross-web-'));
        const image = await fs.readFile(path.join(BUILD, 'tex2.jpg'));
        await fs.writeFile(path.join(folder, 'truncated.jpg'), image.subarray(0, image.length >> 1));
        await fs.writeFile(path.join(folder, 'empty.jpg'), Buffer.alloc(0));
    });
    after(async () => {
        await fs.rm(folder, {recursive: true, force: true});
    });

    // The image served as tex2.jpg (null: none), and how the box is dismissed.
    const cases = [
        ['missing', null, (page) => page.click('.message-box .ok')],
        ['truncated', 'truncated.jpg', (page) => page.keyboard.press('Enter')],
        ['empty', 'empty.jpg', (page) => page.keyboard.press('Escape')],
    ];
    for (const [name, file, dismiss] of cases) {
        test(`${name}: the Info box, no frame, then exit code 1`, async () => {
            const broken = await startServer(BUILD, {'tex2.jpg': file && path.join(folder, file)});
            try {
                const page = await openPage(browser, `${broken.url}texcross.html`);
                await page.waitForSelector('.message-box', {timeout: TIMEOUT_MS});
                assert.equal(await page.$eval('.message-box .caption', (caption) => caption.textContent), 'Info');
                assert.equal(await page.$eval('.message-box .text', (text) => text.textContent), LOAD_FAILED_TEXT);
                assert.equal(backgroundPixels(await canvasPicture(page)), 0, 'no frame was drawn');
                await sleep(200);
                assert.equal(await page.evaluate(() => window.programExitCode), undefined, 'the box waits');
                assert.equal(await statusText(page), WAITING_TEXT);
                await assertAccessible(page);
                await page.keyboard.press('Tab');
                await page.keyboard.press('Tab');
                assert.ok(await page.evaluate(() => Boolean(document.activeElement.closest('.message-box'))),
                    'focus stays in the box');
                await dismiss(page);
                assert.equal(await programEnded(page, TIMEOUT_MS), 1);
                assert.equal(await page.$('.message-box'), null);
                assert.equal(await statusText(page), `texcross ended with exit code 1. ${LOAD_FAILED_TEXT}`);
                await page.close();
            } finally {
                await broken.close();
            }
        });
    }
});

test('a browser without WebGL: the program\'s own box, a line that says why, exit code 1', async () => {
    const noWebGL = checkingAccessibility(await launchBrowser(['--disable-webgl']));
    try {
        const page = await openPage(noWebGL, `${server.url}boxring.html`);
        await page.waitForSelector('.message-box', {timeout: TIMEOUT_MS});
        assert.equal(await page.$eval('.message-box .text', (text) => text.textContent), INIT_FAILED_TEXT);
        assert.equal(await statusText(page),
            `This browser gives the page no WebGL, so the program cannot draw. ${WAITING_TEXT}`);
        await page.keyboard.press('Enter');
        assert.equal(await programEnded(page, TIMEOUT_MS), 1);
        assert.equal(await statusText(page),
            `boxring ended with exit code 1. ${INIT_FAILED_TEXT} This browser gives the page no WebGL, so the program cannot draw.`);
        await page.close();
    } finally {
        await noWebGL.close();
    }
});

// The cases wait, mostly for the pages' 20-s time-outs, side by side: all but one page are in
// background tabs, where no animation frame comes, so their waits poll on a timer.
describe('a page whose own files fail or come slowly says so', {concurrency: true}, () => {
    const POLLING_MS = 100;
    const statusSays = (pattern) => async (page, ms) => {
        await page.waitForFunction(() => window.programError, {timeout: ms, polling: POLLING_MS});
        assert.match(await page.$eval('#status', (line) => line.textContent), pattern);
    };
    const lineShows = (page, pattern, ms) => page.waitForFunction((source) =>
        new RegExp(source).test(document.getElementById('status').textContent), {timeout: ms, polling: POLLING_MS},
        pattern.source);
    const countsAndRuns = async (page, ms) => {
        await lineShows(page, /^Loading… texcross\.wasm: \d+ kB of \d+ kB\.$/, ms);
        await lineShows(page, /^Running/, ms);
        await waitForScene(page);
    };
    // A source tab says at once that it loads, never shows the file before it, and names the
    // time-out.
    const sourceTimesOut = async (page, ms) => {
        await page.waitForFunction(() => document.querySelector('#source .code').dataset.path,
            {timeout: TIMEOUT_MS, polling: POLLING_MS});
        await page.click('#source .tabs button[data-path="common/camera.h"]');
        const shown = () => page.$eval('#source .code', (code) => [code.dataset.path, code.textContent]);
        assert.deepEqual(await shown(), ['', 'Loading common/camera.h…']);
        await page.waitForFunction(() => !document.querySelector('#source .code').textContent.startsWith('Loading'),
            {timeout: ms, polling: POLLING_MS});
        assert.deepEqual(await shown(), ['', 'common/camera.h could not be loaded: no answer within 20 s.']);
    };
    const missingImageBox = async (page, ms) => {
        await page.waitForSelector('.message-box', {timeout: ms});
        assert.equal(await page.$eval('.message-box .text', (text) => text.textContent), LOAD_FAILED_TEXT);
        await page.keyboard.press('Enter');
        assert.equal(await programEnded(page, TIMEOUT_MS), 1);
    };
    // The page, its file's answer (null: 404) and that answer in words, how long the page may
    // take to tell (it gives up on a file after 20 s without an answer or a byte), and what it
    // tells.
    const cases = [
        ['boxring.html', 'boxring.js', null, 'with 404', 5000,
            statusSays(/^boxring cannot start: boxring\.js: could not be loaded\.$/)],
        ['boxring.html', 'boxring.js', NO_ANSWER, 'never', 30000,
            statusSays(/^boxring cannot start: boxring\.js: no answer within 20 s\.$/)],
        ['texcross.html', 'texcross.wasm', NO_ANSWER, 'never', 30000,
            statusSays(/^texcross cannot start: texcross\.wasm: no answer within 20 s\.$/)],
        ['texcross.html', 'texcross.wasm', trickle(8000), 'at 8 kB/s', 60000, countsAndRuns],
        ['texcross.html', 'texcross.wasm', trickle(50000, 50000), 'to 50 kB, then nothing', 30000,
            statusSays(/^texcross cannot start: texcross\.wasm: the download stopped at 50 kB of \d+ kB: nothing arrived for 20 s\.$/)],
        ['texcross.html', 'tex2.jpg', NO_ANSWER, 'never', 30000, missingImageBox],
        ['boxring.html', 'source/common/camera.h', NO_ANSWER, 'never', 30000, sourceTimesOut],
    ];
    for (const [pageName, file, answer, answered, ms, tells] of cases) {
        test(`${pageName} with ${file} answered ${answered}: in words within ${ms} ms`, async () => {
            const broken = await startServer(BUILD, {[file]: answer});
            try {
                // A script that never comes holds the page's load event back.
                const page = await browser.newPage();
                await page.goto(`${broken.url}${pageName}`, {waitUntil: 'domcontentloaded'});
                await tells(page, ms);
                await page.close();
            } finally {
                await broken.close();
            }
        });
    }
});

describe('the frame panel', () => {
    const listed = (page) => page.$$eval('#frame-calls [role="option"]', (options) =>
        options.map((option) => option.textContent.replace(/^\d+\s+/, '')));
    const held = (page) => page.waitForFunction(() => document.querySelectorAll('#frame-calls [role="option"]').length > 0,
        {timeout: TIMEOUT_MS});
    // The sixteen numbers of each SetTransform's matrix, as the call's text gives them.
    const matrices = (texts) => texts.filter((text) => text.startsWith('SetTransform('))
        .map((text) => /\[(.*)\]/.exec(text)[1].split(/;? /).map(Number));

    // Keeps a copy of each picture frame_inspector.cpp hands the panel: {call: {width, height,
    // rgb (base64 of RGB rows, top first)}}.
    function keepHandedPictures() {
        window.handedPictures = {};
        let panel;
        Object.defineProperty(window, 'framePanel', {
            get: () => panel,
            set: (value) => {
                const picture = value.picture;
                value.picture = (call, rgb, width, height) => {
                    let bytes = '';
                    for (let i = 0; i < rgb.length; i += 0x8000) {
                        bytes += String.fromCharCode.apply(null, rgb.subarray(i, i + 0x8000));
                    }
                    window.handedPictures[call] = {width, height, rgb: btoa(bytes)};
                    picture(call, rgb, width, height);
                };
                panel = value;
            },
        });
    }

    // RGB rows as pngjs reads a picture: RGBA.
    function fromRgb({width, height, rgb}) {
        const bytes = Buffer.from(rgb, 'base64');
        const data = Buffer.alloc(width * height * 4, 255);
        for (let i = 0, j = 0; i < bytes.length; i += 3, j += 4) bytes.copy(data, j, i, i + 3);
        return {width, height, data};
    }

    // The program, the frame held, the least PSNR of each clear's and draw's picture against the
    // desktop's, the first draw's pass, and whether the held program is resumed (then ended with
    // Escape) or ended by its window's close button while held.
    const cases = [
        ['boxring', 120, 40, 'boxring/ring_scene.cpp:29, pass 1', 'resumed'],
        ['texcross', 40, 35, 'texcross/cross_scene.cpp:29, pass 1', 'closed'],
    ];
    for (const [program, frame, leastDb, pass, ending] of cases) {
        test(`${program}-study.html?pause=${frame} holds the desktop's frame ${frame}: its calls, matrices within 1e-6, pictures of ${leastDb} dB or more; a link marks the call's line; ${ending}`, async () => {
            // The program's window: 640 × 480 outside, 624 × 441 inside.
            const desktop = await desktopRecord(program, frame, {size: '624x441', pictures: true});
            const page = await openPage(browser, 'about:blank');
            await page.evaluateOnNewDocument(keepHandedPictures);
            await page.goto(`${server.url}${program}-study.html?pause=${frame}`);
            await held(page);
            assert.match(await page.$eval('.frame-status', (line) => line.textContent), new RegExp(`^Paused at frame ${frame}: `));
            assert.match(await statusText(page), new RegExp(`^Paused at frame ${frame}\\. `));
            const calls = await listed(page);
            const desktopCalls = desktop.calls.map((call) => call.call);
            assert.deepEqual(calls.map(methodOf), desktopCalls.map(methodOf));
            const expected = matrices(desktopCalls);
            matrices(calls).forEach((matrix, i) => matrix.forEach((value, j) =>
                assert.ok(Math.abs(value - expected[i][j]) <= 1e-6, `matrix ${i + 1}, element ${j}: ${value} against ${expected[i][j]}`)));
            const handed = await page.evaluate(() => window.handedPictures);
            assert.deepEqual(Object.keys(handed), Object.keys(desktop.pictures));
            for (const [call, png] of Object.entries(desktop.pictures)) {
                const db = psnr(fromRgb(handed[call]), PNG.sync.read(png));
                assert.ok(db >= leastDb, `call ${call}: ${db.toFixed(1)} dB`);
            }
            const still = await canvasPicture(page);
            await sleep(300);
            assert.equal(psnr(still, await canvasPicture(page)), Infinity, 'held: the picture stays');
            // The keys reach the list box; a draw names its pass through the scene's loop.
            await page.focus('#frame-calls');
            for (let i = 0; i < calls.findIndex((call) => call.startsWith('DrawIndexedPrimitive')); ++i) {
                await page.keyboard.press('ArrowDown');
            }
            await page.waitForFunction(() => document.querySelectorAll('.call-details .source-link').length === 2);
            assert.deepEqual(await page.$$eval('.call-details .source-link', (links) => links.map((link) => link.textContent)),
                ['common/frame.cpp:45', pass]);
            await page.click('.call-details .source-link');
            await page.waitForSelector('#source .code mark');
            assert.match(await page.$eval('#source .code mark', (line) => line.textContent), /->DrawIndexedPrimitive\(/);
            if (ending === 'resumed') {
                await page.click('#frame-resume');
                assert.match(await statusText(page), /^Running\. /);
                await assertDrawingAndChanging(page);
                await page.click('canvas');
                await page.keyboard.down('Escape');
            } else {
                await page.click('.window .close');
            }
            assert.equal(await programEnded(page, 5000), 0);
            assert.deepEqual(page.errors, []);
            await page.close();
        });
    }

    test('on a phone (390 × 844, touch), frame 1 held: the panel under the window, its setup calls a group of their own before the clears, nothing spills sideways, a tap chooses a call', async () => {
        const page = await browser.newPage();
        await page.setViewport({width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true});
        await page.goto(`${server.url}texcross-study.html?pause=1`);
        await held(page);
        const groups = await page.$$eval('#frame-calls .group', (boxes) => boxes.map((box) =>
            [box.querySelector('.group-name').textContent, box.querySelector('.call').textContent.replace(/^\d+\s+/, '')]));
        assert.deepEqual(groups.slice(0, 2).map(([name]) => name), ['Setup', 'Clears']);
        assert.match(groups[0][1], /^CreateVertexBuffer\(/);
        assert.match(groups[1][1], /^Clear\(/);
        const draw = await page.$$eval('#frame-calls .call', (options) =>
            options.find((option) => /^\d+\s+DrawIndexedPrimitive/.test(option.textContent)).id);
        await page.tap(`#${draw}`);
        assert.equal(await page.$eval(`#${draw}`, (option) => option.getAttribute('aria-selected')), 'true');
        assert.match(await page.$eval('.call-details .call-text', (text) => text.textContent), /^DrawIndexedPrimitive\(/);
        const [windowBox, panelBox, pageWidth] = await page.evaluate(() => [
            document.querySelector('.window').getBoundingClientRect().toJSON(),
            document.getElementById('frame').getBoundingClientRect().toJSON(),
            document.documentElement.scrollWidth,
        ]);
        assert.ok(panelBox.top >= windowBox.bottom && panelBox.right <= 390, JSON.stringify([windowBox, panelBox]));
        assert.ok(pageWidth <= 390, `the page is ${pageWidth} px wide`);
        await page.close();
    });

    test('?pause=0 is refused in words, and the program runs on', async () => {
        const page = await openPage(browser, `${server.url}boxring-study.html?pause=0`);
        await waitForScene(page);
        assert.match(await page.$eval('.frame-status', (line) => line.textContent), /^\?pause=0 is refused: give a frame number from 1 to 1000000\./);
        await assertDrawingAndChanging(page);
        await page.close();
    });
});

test('index.html on a 320-px screen: nothing spills sideways', async () => {
    const page = await browser.newPage();
    await page.setViewport({width: 320, height: 640, isMobile: true, hasTouch: true});
    await page.goto(`${server.url}index.html`);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth) <= 320);
    await page.close();
});

test('opened from a file:// address, a page says that it needs a web server', async () => {
    const page = await openPage(browser, `file://${path.resolve(BUILD, 'boxring.html')}`);
    await page.waitForFunction(() => window.programError, {timeout: TIMEOUT_MS});
    assert.match(await statusText(page), /^boxring cannot start: this page needs a web server/);
    await page.close();
});
