// SPDX-License-Identifier: GPL-3.0-or-later
// Offline and installable: after one visit the game loads and plays with the
// network gone; the browser finds it installable with the program's icons;
// a first visit downloads each file once, the service worker's filling of
// its cache included; a new version waits until the pages of the old one
// are closed, and replaces the old files on the next visit.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { PNG } from 'pngjs';
import { startBrowser, newContext, picture, mismatches, SITE_DIR } from './browser.mjs';
import { firstVisitNetwork } from './network-log.mjs';
import { openGame, byId, textOf, readBoard, clickTile, passSplash } from './game.mjs';
import { moveMask } from './rules.mjs';

const cacheNames = (page) => page.evaluate(() => caches.keys());

// Waits, bounded, until a service worker is active and `check` holds for
// the cache names.
async function waitForCaches(page, check) {
  await page.evaluate(() => navigator.serviceWorker.ready);
  for (let tries = 0; tries < 100; ++tries) {
    const names = await cacheNames(page);
    if (check(names)) return names;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  assert.fail(`the caches never settled: ${await cacheNames(page)}`);
}

const controlled = (page) => page.evaluate(() => navigator.serviceWorker.controller !== null);

// With the server dropping every connection and the browser offline: the
// page reloads, shows the game and a click plays a move.
async function playsOffline(page, site) {
  site.setOffline(true);
  await page.context().setOffline(true);
  await page.reload();
  await passSplash(page);
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
  // Every file but the languages' (the catalogues and the translated help
  // pages): an English player's page fetched none of them.
  const siteFiles = fs.readdirSync(SITE_DIR)
    .filter((file) => file !== 'sw.js' && file !== 'locale' && !/^Tenebrix\.[^.]+\.html$/.test(file));
  assert.deepEqual(cached.filter((file) => file !== '').sort(), siteFiles.sort(), 'every file of the game is kept');

  await page.reload();  // the next visit, which the worker serves
  assert.equal(await controlled(page), true);
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
  // The tab's icon travels inside the page.
  const tabIcon = await page.evaluate(() => document.querySelector('link[rel="icon"]').href);
  const image = PNG.sync.read(Buffer.from(tabIcon.slice(tabIcon.indexOf(',') + 1), 'base64'));
  assert.deepEqual(mismatches(image, {x: 0, y: 0, width: image.width, height: image.height}, picture('icon'), 0, 1), [],
                   'the tab shows the program icon');
  await playsOffline(page, site);
});

test('a first visit downloads each file of the game once, the service worker\'s cache filled from what the page fetched', async (t) => {
  const {browser, site} = await startBrowser(t);
  const {received, serverPaths} = await firstVisitNetwork(browser, site);
  const times = new Map();
  for (const {url} of received) times.set(url, (times.get(url) ?? 0) + 1);
  const twice = [...times].filter(([, count]) => count > 1).map(([url, count]) => `${url} ${count} times`);
  assert.deepEqual(twice, [], 'no file downloaded twice');
  assert.ok(!(times.has('/') && times.has('/index.html')), 'the page under one address only');
  // The log is the browser's: the server saw the same downloads, and the
  // worker's own script besides.
  assert.deepEqual(serverPaths.filter((p) => p !== '/sw.js').sort(), received.map(({url}) => url).sort());
  // Every file but the languages' (the catalogues and the translated help
  // pages), which an English visit does without.
  for (const file of fs.readdirSync(SITE_DIR)
    .filter((f) => !['sw.js', 'index.html', 'locale'].includes(f) && !/^Tenebrix\.[^.]+\.html$/.test(f)))
    assert.equal(times.get(`/${file}`), 1, `${file} downloaded once`);
});

// From a server that compresses as one set up for the game would, a player
// in English downloads the whole game, the worker's fill included, within
// 64 KiB; the scripts are shortened at build time to stay there.
test('a first visit in English downloads at most 64 KiB with gzip, the service worker\'s fill included', async (t) => {
  const {browser, site} = await startBrowser(t, {gzip: true});
  const {received} = await firstVisitNetwork(browser, site, {locale: 'en-US'});
  const total = received.reduce((sum, {bytes}) => sum + bytes, 0);
  const files = received.map(({url, bytes}) => `${url} ${(bytes / 1024).toFixed(1)}`).join(', ');
  assert.ok(total <= 64 * 1024, `${(total / 1024).toFixed(1)} KiB: ${files}`);
  assert.ok(!received.some(({url}) => url.startsWith('/locale/')), 'no catalogue in English');
});

// A copy of the site whose style sheet is changed: a new version.
function newVersion(t) {
  const newSite = fs.mkdtempSync(path.join(os.tmpdir(), 'tenebrix-site-'));
  t.after(() => fs.rmSync(newSite, {recursive: true, force: true}));
  fs.cpSync(SITE_DIR, newSite, {recursive: true});
  fs.appendFileSync(path.join(newSite, 'page.css'), '/* the new version */\n');
  const pwa = fileURLToPath(new URL('../../web/pwa/', import.meta.url));
  execFileSync('cmake', [`-DSITE_DIR=${newSite}`, `-DTEMPLATE=${pwa}sw.js.in`, '-P', `${pwa}WriteServiceWorker.cmake`],
               {timeout: 30_000});
  return newSite;
}
const styleOf = (page) => page.evaluate(() => fetch('page.css').then((response) => response.text()));

test('a new version leaves an open page whole until every page of the old one is closed; the next visit gets it', async (t) => {
  const {browser, site} = await startBrowser(t);
  const context = await newContext(browser);
  const first = await openGame(context, site);
  const [oldName] = await waitForCaches(first, (names) => names.length === 1);
  await first.close();
  const old = await openGame(context, site);  // from the worker now
  assert.equal(await controlled(old), true);
  assert.doesNotMatch(await styleOf(old), /the new version/);

  site.setRoot(newVersion(t));
  // Another page of the game: the browser finds the new worker, which
  // fetches the new files, and waits.
  const other = await context.newPage();
  await other.goto(site.url);
  await other.evaluate(() => navigator.serviceWorker.getRegistration().then((registration) => registration.update()));
  const names = await waitForCaches(other, (names) => names.length === 2);
  const newName = names.find((name) => name !== oldName);
  await old.waitForFunction(() => navigator.serviceWorker.getRegistration()
    .then((registration) => registration.waiting !== null), null);
  // The open page still gets its own version's files, and plays.
  for (const page of [old, other]) {
    assert.doesNotMatch(await styleOf(page), /the new version/, 'an open page keeps its version');
    assert.match(await page.evaluate(() => fetch('Tenebrix.html').then((response) => response.text())), /change all tiles to black/i);
  }
  const board = await readBoard(old);
  await clickTile(old, 13);
  assert.equal(await readBoard(old), board ^ moveMask(1, 13));
  assert.deepEqual((await cacheNames(old)).sort(), [oldName, newName].sort(), 'the old cache is kept while in use');

  // Every old page closed: the next visit is the new version, the old cache gone.
  await old.close();
  await other.close();
  const next = await openGame(context, site, {pastSplash: false});
  await waitForCaches(next, (names) => names.length === 1 && names[0] === newName);
  assert.equal(await controlled(next), true);
  assert.match(await styleOf(next), /the new version/, 'the next visit gets the new files');
  await playsOffline(next, site);
});
