// SPDX-License-Identifier: GPL-3.0-or-later
// Offline and installable: after one visit the game loads and plays with the
// network gone; the browser finds it installable with the program's icons;
// a new version of the site replaces the old files on the next visit.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { PNG } from 'pngjs';
import { startBrowser, picture, mismatches, SITE_DIR } from './browser.mjs';
import { openGame, byId, textOf, readBoard, clickTile, SPLASH_MS } from './game.mjs';
import { moveMask } from './rules.mjs';

const cacheNames = (page) => page.evaluate(() => caches.keys());

// Waits, bounded, until the service worker controls the page and `check`
// holds for the cache names.
async function waitForCaches(page, check) {
  await page.evaluate(() => navigator.serviceWorker.ready);
  for (let tries = 0; tries < 100; ++tries) {
    const names = await cacheNames(page);
    if (check(names) && await page.evaluate(() => navigator.serviceWorker.controller !== null)) return names;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  assert.fail(`the caches never settled: ${await cacheNames(page)}`);
}

// With the server dropping every connection and the browser offline: the
// page reloads, shows the game and a click plays a move.
async function playsOffline(page, site) {
  site.setOffline(true);
  await page.context().setOffline(true);
  await page.reload();
  await page.clock.runFor(SPLASH_MS);
  await byId(page, 'frmMain').waitFor();
  const board = await readBoard(page);
  await clickTile(page, 13);
  assert.equal(await readBoard(page), board ^ moveMask(1, 13));
  assert.equal(await textOf(page, 'lblMoves'), '1');
  site.setOffline(false);
  await page.context().setOffline(false);
}

test('after one visit the page loads and plays offline, and it installs as an app with the program icon', async (t) => {
  const {browser, site} = await startBrowser(t, {persistent: true});
  const page = await openGame(browser, site);
  const [name] = await waitForCaches(page, (names) => names.length === 1);
  const cached = await page.evaluate((name) => caches.open(name).then((cache) => cache.keys())
    .then((requests) => requests.map((request) => new URL(request.url).pathname.slice(1))), name);
  const siteFiles = fs.readdirSync(SITE_DIR).filter((file) => file !== 'sw.js');
  assert.deepEqual(cached.filter((file) => file !== '').sort(), siteFiles.sort(), 'every file of the game is kept');

  const session = await page.context().newCDPSession(page);
  assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  const manifest = JSON.parse((await session.send('Page.getAppManifest')).data);
  assert.equal(manifest.name, 'Tenebrix');
  for (const icon of manifest.icons) {
    const image = PNG.sync.read(Buffer.from(await (await fetch(new URL(icon.src, site.url))).arrayBuffer()));
    assert.equal(`${image.width}x${image.height}`, icon.sizes);
    const box = {x: 0, y: 0, width: image.width, height: image.height};
    assert.deepEqual(mismatches(image, box, picture('icon'), 0, 1), [], `${icon.src} is the program icon, enlarged`);
  }
  await playsOffline(page, site);
});

test('a new version of the site replaces the old files on the next visit', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  const [oldName] = await waitForCaches(page, (names) => names.length === 1);

  const newSite = fs.mkdtempSync(path.join(os.tmpdir(), 'tenebrix-site-'));
  t.after(() => fs.rmSync(newSite, {recursive: true, force: true}));
  fs.cpSync(SITE_DIR, newSite, {recursive: true});
  fs.appendFileSync(path.join(newSite, 'page.css'), '/* the new version */\n');
  const pwa = fileURLToPath(new URL('../../web/pwa/', import.meta.url));
  execFileSync('cmake', [`-DSITE_DIR=${newSite}`, `-DTEMPLATE=${pwa}sw.js.in`, '-P', `${pwa}WriteServiceWorker.cmake`],
               {timeout: 30_000});
  site.setRoot(newSite);

  await page.reload();  // the browser finds the new worker, which fetches the new files
  const [newName] = await waitForCaches(page, (names) => names.length === 1 && names[0] !== oldName);
  assert.notEqual(newName, oldName);
  await page.reload();
  const css = await page.evaluate(() => fetch('page.css').then((response) => response.text()));
  assert.match(css, /the new version/, 'the next visit gets the new files');
  await playsOffline(page, site);
});
