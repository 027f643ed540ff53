// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Serves the web site (build-web/site) on this machine, as a school's web server would: the
// right content types (application/wasm for the program), the precompressed copy of a file
// (FILE.br, else FILE.gz) to a browser that accepts it, and validators, so that a browser
// revalidates instead of downloading again. Counts the bytes it sends, for the tests.
//
//   node scripts/serve-web.mjs FOLDER [PORT]     serves FOLDER on http://localhost:PORT/ (8080)

import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.ttf': 'font/ttf',
  '.txt': 'text/plain; charset=utf-8',
};

// The file a request path names inside one of the mounted folders, or null.
function fileFor(mounts, requestPath) {
  let decoded;
  try {
    decoded = decodeURIComponent(requestPath);
  } catch {
    return null;
  }
  for (const [prefix, folder] of mounts) {
    if (!decoded.startsWith(prefix)) {
      continue;
    }
    const relative = decoded.slice(prefix.length) || 'index.html';
    const file = path.resolve(folder, relative.endsWith('/') ? relative + 'index.html' : relative);
    if (file.startsWith(path.resolve(folder) + path.sep)) {
      return file;
    }
  }
  return null;
}

function precompressed(file, acceptEncoding, encodings) {
  for (const [encoding, suffix] of [['br', '.br'], ['gzip', '.gz']]) {
    if (encodings.includes(encoding) && new RegExp(`\\b${encoding}\\b`).test(acceptEncoding) &&
        fs.existsSync(file + suffix)) {
      return { encoding, body: file + suffix };
    }
  }
  return { encoding: null, body: file };
}

// Starts serving. `mounts` maps more URL prefixes to folders (the tests' faces); `encodings` are
// the precompressed kinds it may send (a server set up for gzip alone: ['gzip']). Resolves to
// { url, bytesSent(), requests, close() } once listening.
export function serveSite(folder, { port = 0, mounts = {}, encodings = ['br', 'gzip'] } = {}) {
  const allMounts = [...Object.entries(mounts), ['/', folder]];
  const requests = [];
  const sockets = new Set();
  let bytesOfClosedSockets = 0;
  const server = http.createServer((request, response) => {
    const requestPath = new URL(request.url, 'http://localhost').pathname;
    const file = fileFor(allMounts, requestPath);
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      response.writeHead(405, { Allow: 'GET, HEAD' }).end();
      return;
    }
    if (file === null || !fs.statSync(file, { throwIfNoEntry: false })?.isFile()) {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
      return;
    }
    const { encoding, body } =
      precompressed(file, request.headers['accept-encoding'] ?? '', encodings);
    const stat = fs.statSync(body);
    const etag = `"${stat.size.toString(16)}-${Math.floor(stat.mtimeMs).toString(16)}"`;
    const headers = {
      'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream',
      'Cache-Control': 'no-cache',
      ETag: etag,
      Vary: 'Accept-Encoding',
    };
    if (encoding) {
      headers['Content-Encoding'] = encoding;
    }
    requests.push({ path: requestPath, encoding, bytes: stat.size });
    if (request.headers['if-none-match'] === etag) {
      response.writeHead(304, headers).end();
      return;
    }
    headers['Content-Length'] = stat.size;
    response.writeHead(200, headers);
    if (request.method === 'HEAD') {
      response.end();
      return;
    }
    fs.createReadStream(body).pipe(response);
  });
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => {
      bytesOfClosedSockets += socket.bytesWritten;
      sockets.delete(socket);
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      resolve({
        url: `http://localhost:${server.address().port}/`,
        requests,
        // Everything sent so far, headers included, as it went over the connection.
        bytesSent: () => [...sockets].reduce((sum, s) => sum + s.bytesWritten, bytesOfClosedSockets),
        close: () => new Promise((done) => {
          server.close(done);
          for (const socket of sockets) {
            socket.destroy();
          }
        }),
      });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port = '8080'] = process.argv.slice(2);
  if (!folder || !fs.existsSync(path.join(folder, 'index.html'))) {
    console.error('usage: node scripts/serve-web.mjs SITE_FOLDER [PORT] (the folder of index.html)');
    process.exit(2);
  }
  const site = await serveSite(folder, { port: Number(port) });
  console.log(`Serving ${folder} on ${site.url} (Ctrl+C ends)`);
}
