// A small static web server for the browser build's pages, on 127.0.0.1 and a free port. Some
// files can be served from elsewhere, slowly, or not at all, in place of the folder's own (the
// capture tool's --textures, the tests' broken images and slow downloads).
import http from 'node:http';
import fs from 'node:fs/promises';
import path from 'node:path';

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.png': 'image/png',
    '.jpg': 'image/jpeg',
    '.cpp': 'text/plain; charset=utf-8',
    '.h': 'text/plain; charset=utf-8',
};

// A replacement that leaves the request unanswered, as a network that drops it would.
export const NO_ANSWER = Symbol('no answer');

// A replacement that serves the folder's own file at bytesPerSecond, in tenths of a second, and
// sends nothing more once it has sent stopAfter bytes (the answer left open, as a download that
// stalls).
export function trickle(bytesPerSecond, stopAfter = Infinity) {
    return {bytesPerSecond, stopAfter};
}

function sendSlowly(response, body, {bytesPerSecond, stopAfter}) {
    const chunk = Math.max(1, Math.round(bytesPerSecond / 10));
    const end = Math.min(body.length, stopAfter);
    let sent = 0;
    const timer = setInterval(() => {
        const next = Math.min(end, sent + chunk);
        response.write(body.subarray(sent, next));
        sent = next;
        if (sent < end) return;
        clearInterval(timer);
        if (sent === body.length) response.end();
    }, 100);
    response.on('close', () => clearInterval(timer));
}

// Serves folder; replacements maps a file name (as "tex2.jpg") to the path to serve instead, to
// null to answer 404, to NO_ANSWER, or to a trickle(). Resolves to {url, close()} once listening.
export function startServer(folder, replacements = {}) {
    const root = path.resolve(folder);
    const server = http.createServer(async (request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname).slice(1) ||
            'index.html';
        let file = path.resolve(root, name);
        let slowly = null;
        if (Object.hasOwn(replacements, name)) {
            file = replacements[name];
        }
        if (file === NO_ANSWER) return;
        if (file?.bytesPerSecond) {
            slowly = file;
            file = path.resolve(root, name);
        }
        if (file === null || !(file === replacements[name] || file.startsWith(root + path.sep))) {
            response.writeHead(404).end();
            return;
        }
        try {
            const body = await fs.readFile(file);
            response.writeHead(200, {
                'Content-Type': TYPES[path.extname(name)] || 'application/octet-stream',
                'Cache-Control': 'no-store',
                'Content-Length': body.length,
            });
            if (slowly) {
                sendSlowly(response, body, slowly);
            } else {
                response.end(body);
            }
        } catch {
            response.writeHead(404).end();
        }
    });
    return new Promise((resolve, reject) => {
        server.on('error', reject);
        server.listen(0, '127.0.0.1', () => {
            const {port} = server.address();
            resolve({
                url: `http://127.0.0.1:${port}/`,
                close: () => new Promise((done) => {
                    server.closeAllConnections();
                    server.close(done);
                }),
            });
        });
    });
}
