// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' own web server under bad requests: a malformed escape or a path
// out of the site is answered, never a crash of the whole test run.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { serveSite } from './server.mjs';

// The status of GET `rawPath`, sent exactly as written (no client-side fixing).
function statusOf(url, rawPath) {
  return new Promise((resolve, reject) => {
    const {hostname, port} = new URL(url);
    http.get({hostname, port, path: rawPath, agent: false}, (response) => {
      response.resume();
      resolve(response.statusCode);
    }).on('error', reject);
  });
}

test('bad request paths get an answer and the server keeps serving', async (t) => {
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'tenebrix-site-'));
  fs.writeFileSync(path.join(root, 'index.html'), '<p>site</p>');
  const outside = path.basename(fs.mkdtempSync(path.join(os.tmpdir(), 'tenebrix-outside-')));
  fs.writeFileSync(path.join(os.tmpdir(), outside, 'secret.txt'), 'not served');
  const site = await serveSite(root);
  t.after(async () => {
    await site.close();
    fs.rmSync(root, {recursive: true, force: true});
    fs.rmSync(path.join(os.tmpdir(), outside), {recursive: true, force: true});
  });

  for (const bad of ['/%', '/%E0%A4%A', '/index%2.html', '/%zz/'])
    assert.equal(await statusOf(site.url, bad), 400, bad);
  for (const escape of [`/../${outside}/secret.txt`, `/%2e%2e/${outside}/secret.txt`,
                        `/..%2f${outside}%2fsecret.txt`])
    assert.equal(await statusOf(site.url, escape), 404, escape);
  assert.equal(await statusOf(site.url, '/'), 200, 'the site itself, after the bad requests');
  assert.equal(await statusOf(site.url, '/index%2Ehtml'), 200, 'a well-formed escape');
});
