// SPDX-License-Identifier: GPL-3.0-or-later
// A static web server for the built site on 127.0.0.1 at a free port, with
// the types a browser insists on (application/wasm for the game's code).
import http from 'node:http';
import fs from 'node:fs/promises';
import path from 'node:path';
import zlib from 'node:zlib';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.png': 'image/png', '.svg': 'image/svg+xml',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json',
};

// Serves `root`; `requests` lists every path asked for, in order. Switched
// offline, it drops every connection as a dead network would; `setRoot`
// serves another version of the site from the same address. With `gzip`
// it compresses every answer but PNG pictures (gzip level 9) for a browser
// that accepts it, as a web server set up for the game would.
export async function serveSite(root, {gzip = false} = {}) {
  const requests = [];
  let offline = false;
  const server = http.createServer(async (request, response) => {
    if (offline) return request.socket.destroy();
    let urlPath;
    try {
      urlPath = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    } catch {
      // A malformed escape ("%", "%E0%A4") is the asker's fault: it gets an
      // answer saying so, and the server and the test run go on.
      requests.push(request.url);
      return response.writeHead(400).end();
    }
    requests.push(urlPath);
    const file = path.join(root, path.normalize(urlPath).replace(/^(\.\.[/\\])+/, ''),
                           urlPath.endsWith('/') ? 'index.html' : '');
    try {
      let body = await fs.readFile(file);
      const headers = {'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream',
                       'Cache-Control': 'no-cache'};
      if (gzip && path.extname(file) !== '.png' && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
        body = zlib.gzipSync(body, {level: 9});
        Object.assign(headers, {'Content-Encoding': 'gzip', 'Vary': 'Accept-Encoding'});
      }
      response.writeHead(200, headers);
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    requests,
    setOffline: (value) => { offline = value; },
    setRoot: (folder) => { root = folder; },
    close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
  };
}
