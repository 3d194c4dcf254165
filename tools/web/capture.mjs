#!/usr/bin/env node
// The capture tool in the browser: runs PROGRAM-capture.html from the browser build in headless
// Chromium and writes frame N as a PNG, or prints the benchmark's line. PROGRAM many_draws is the
// many-draws scene's capture tool, which takes --draws N (cubes drawn a frame) too.
//   node tools/web/capture.mjs PROGRAM --frame N --out FILE.png [--textures DIR] [--size WxH] [--draws N]
//   node tools/web/capture.mjs PROGRAM --bench N [--paced] [--out FILE.png] [--textures DIR] [--size WxH] [--draws N]
// A benchmark's --out is its last frame (frame N + 30), read back before its clock stopped.
// --textures DIR serves tex0.jpg ... tex4.jpg from DIR instead of the build's own.
import fs from 'node:fs/promises';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {launchBrowser, runCapture} from './browser.mjs';
import {startServer} from './static_server.mjs';

const USAGE = 'usage: capture.mjs boxring|texcross|many_draws --frame N --out FILE.png [--textures DIR] [--size WxH] [--draws N]\n' +
    '       capture.mjs boxring|texcross|many_draws --bench N [--paced] [--out FILE.png] [--textures DIR] [--size WxH] [--draws N]\n' +
    '--draws N (many_draws alone): cubes drawn a frame';
const EXIT_BAD_ARGUMENTS = 2;
const TIMEOUT_MS = 300000;
const BUILD = process.env.WEB_BUILD_DIR ||
    path.join(path.dirname(fileURLToPath(import.meta.url)), '..', '..', 'build-web');

function parse(argv) {
    const [program, ...rest] = argv;
    if (!['boxring', 'texcross', 'many_draws'].includes(program)) throw new Error(`unknown program: ${program}`);
    const options = {};
    for (let i = 0; i < rest.length; ++i) {
        const name = rest[i];
        if (name === '--paced') {
            options.paced = '';
            continue;
        }
        if (!['--frame', '--bench', '--out', '--textures', '--size', '--draws'].includes(name)) {
            throw new Error(`unknown option: ${name}`);
        }
        if (i + 1 >= rest.length) throw new Error(`missing value for ${name}`);
        options[name.slice(2)] = rest[++i];
    }
    for (const count of ['frame', 'bench', 'draws']) {
        if (options[count] !== undefined && !/^[1-9][0-9]*$/.test(options[count])) {
            throw new Error(`bad value for --${count}: ${options[count]}`);
        }
    }
    if ((options.frame === undefined) === (options.bench === undefined)) {
        throw new Error('give either --frame N or --bench N');
    }
    if (options.frame !== undefined && options.out === undefined) throw new Error('--frame needs --out');
    if (options.paced !== undefined && options.bench === undefined) throw new Error('--paced goes with --bench only');
    if (options.draws !== undefined && program !== 'many_draws') throw new Error('--draws goes with many_draws only');
    return {program, options};
}

async function textureReplacements(folder) {
    if (folder === undefined) return {};
    const stat = await fs.stat(folder).catch(() => null);
    if (!stat || !stat.isDirectory()) throw new Error(`no texture folder ${folder}`);
    const replacements = {};
    for (let k = 0; k < 5; ++k) replacements[`tex${k}.jpg`] = path.resolve(folder, `tex${k}.jpg`);
    return replacements;
}

async function main() {
    let request;
    let replacements;
    try {
        request = parse(process.argv.slice(2));
        replacements = await textureReplacements(request.options.textures);
    } catch (error) {
        console.error(`capture.mjs: ${error.message}\n${USAGE}`);
        return EXIT_BAD_ARGUMENTS;
    }
    const {program, options} = request;
    if (!(await fs.stat(path.join(BUILD, `${program}-capture.html`)).catch(() => null))) {
        console.error(`capture.mjs: no ${program}-capture.html in ${BUILD}: build the web preset first`);
        return 1;
    }
    const server = await startServer(BUILD, replacements);
    const browser = await launchBrowser();
    try {
        const query = {};
        for (const name of ['frame', 'bench', 'size', 'paced', 'draws']) {
            if (options[name] !== undefined) query[name] = options[name];
        }
        const result = await runCapture(browser, server.url, program, query, TIMEOUT_MS);
        if (result.output) console.log(result.output);
        if (result.errors) console.error(result.errors);
        if (result.exitCode !== 0) {
            console.error(`capture.mjs: ${program}-capture ended with exit code ${result.exitCode}`);
            return 1;
        }
        if (options.out !== undefined) {
            if (!result.png) {
                console.error('capture.mjs: the page handed no picture');
                return 1;
            }
            await fs.writeFile(options.out, result.png);
        }
        return 0;
    } finally {
        await browser.close();
        await server.close();
    }
}

main().then((code) => { process.exitCode = code; }, (error) => {
    console.error(`capture.mjs: ${error.message}`);
    process.exitCode = 1;
});
