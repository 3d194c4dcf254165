// A frame's Direct3D 9 calls as the desktop's capture tool records them (--calls FILE.json), drawn
// on SDL's offscreen driver so that no display is needed; and the page's code that ties calls to
// source lines, loaded as the page loads it.
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import vm from 'node:vm';
import {execFile} from 'node:child_process';
import {promisify} from 'node:util';
import {fileURLToPath} from 'node:url';

export const SOURCE = path.join(path.dirname(fileURLToPath(import.meta.url)), '..', '..');
const CAPTURE_DIR = process.env.CAPTURE_DIR || path.join(SOURCE, 'build', 'bin');

// With options.size (WxH) the frame is drawn at that size; with options.pictures the record's
// pictures ({call number: the PNG file's bytes}) come with it.
export async function desktopRecord(program, frame, options = {}) {
    const folder = await fs.mkdtemp(path.join(os.tmpdir(), 'desktop-calls-'));
    try {
        const file = path.join(folder, 'calls.json');
        const args = ['--frame', String(frame), '--calls', file, '--out', path.join(folder, 'frame.png')];
        if (options.size) args.push('--size', options.size);
        if (options.pictures) args.push('--call-pictures', folder);
        await promisify(execFile)(path.join(CAPTURE_DIR, `${program}-capture`), args,
            {env: {...process.env, SDL_VIDEODRIVER: 'offscreen'}});
        const record = JSON.parse(await fs.readFile(file, 'utf8'));
        if (options.pictures) {
            record.pictures = {};
            for (const call of record.calls.filter((each) => each.drew)) {
                record.pictures[call.number] = await fs.readFile(path.join(folder, call.drew.picture));
            }
        }
        return record;
    } finally {
        await fs.rm(folder, {recursive: true, force: true});
    }
}

// The method a recorded call names: "SetTransform(D3DTS_WORLD, ...)" gives SetTransform.
export const methodOf = (text) => /^(\w+)\(/.exec(text)[1];

export async function loadCallSources() {
    const context = {};
    vm.runInNewContext(await fs.readFile(path.join(SOURCE, 'web', 'call_sources.js'), 'utf8'), context);
    return context.callSources;
}

// The sources a program's page shows: its folder's and common/'s .cpp and .h files.
export async function programSources(program) {
    const sources = {};
    for (const folder of [program, 'common']) {
        for (const name of (await fs.readdir(path.join(SOURCE, folder))).sort()) {
            if (/\.(cpp|h)$/.test(name)) {
                sources[`${folder}/${name}`] = await fs.readFile(path.join(SOURCE, folder, name), 'utf8');
            }
        }
    }
    return sources;
}
