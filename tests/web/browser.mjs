// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the game's page in Debian's headless Chromium and reads its pixels
// back: launching, opening the game, screenshots and picture comparisons.
import { chromium } from 'playwright-core';
import { PNG } from 'pngjs';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serveSite } from './server.mjs';

const fromRoot = (relative) => fileURLToPath(new URL(`../../${relative}`, import.meta.url));
export const SITE_DIR = process.env.TENEBRIX_SITE_DIR ?? fromRoot('build-web/site');
const PICTURES_DIR = process.env.TENEBRIX_PICTURES_DIR ?? fromRoot('build-web-test/pictures');

// Every wait is bounded: a page that stops answering fails the test.
const STEP_TIMEOUT_MS = 10_000;
const CHROMIUM_ARGS = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic',
  '--no-first-run', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--force-color-profile=srgb', '--hide-scrollbars'];

const VIEWPORT = {width: 600, height: 420};
// The device pixel ratios the page is tried at where the screen's density
// matters: scripts/web-test names them (TENEBRIX_TEST_RATIOS, commas).
export const RATIOS = (process.env.TENEBRIX_TEST_RATIOS ?? '1,1.5,2,3').split(',').map(Number);
// Shared with the screenshot tour (tour.mjs).
export const LAUNCH = {executablePath: process.env.TENEBRIX_CHROMIUM ?? '/usr/bin/chromium',
                       args: CHROMIUM_ARGS, timeout: 30_000};

// A browser with a fresh profile and a server for the site, closed by `t.after`.
// With `persistent` the profile is a folder of its own rather than one of
// the private kind, in which the browser installs no app: `browser` is then
// the one context, in the browser language `locale` if given. With `gzip`
// the server compresses its answers.
export async function startBrowser(t, {persistent = false, gzip = false, locale} = {}) {
  const site = await serveSite(SITE_DIR, {gzip});
  const profile = persistent && fs.mkdtempSync(path.join(os.tmpdir(), 'tenebrix-profile-'));
  const browser = persistent
    ? await chromium.launchPersistentContext(profile, {...LAUNCH, viewport: VIEWPORT, ...(locale && {locale})})
    : await chromium.launch(LAUNCH);
  if (persistent) browser.setDefaultTimeout(STEP_TIMEOUT_MS);
  t.after(async () => {
    await browser.close();
    await site.close();
    if (profile) fs.rmSync(profile, {recursive: true, force: true});
  });
  return {browser, site};
}

export async function newContext(browser, options = {}) {
  const context = await browser.newContext({viewport: VIEWPORT, ...options});
  context.setDefaultTimeout(STEP_TIMEOUT_MS);
  return context;
}

// The decoded PNG of a picture as the game's own picture code draws it.
const pictureCache = new Map();
export function picture(name) {
  if (!pictureCache.has(name))
    pictureCache.set(name, PNG.sync.read(fs.readFileSync(`${PICTURES_DIR}/${name}.png`)));
  return pictureCache.get(name);
}

export async function screen(page) {
  return PNG.sync.read(await page.screenshot({animations: 'disabled', caret: 'hide'}));
}

// The pixel at (x, y), rounded to whole pixels.
export function rgbaAt(image, x, y) {
  const offset = 4 * (Math.round(y) * image.width + Math.round(x));
  return Array.from(image.data.subarray(offset, offset + 4));
}
const same = (a, b) => a[0] === b[0] && a[1] === b[1] && a[2] === b[2];

// Screen pixels in `box` (device pixels) that do not show `pic` scaled to
// the box's size. Transparent picture pixels are skipped. Where a screen
// pixel's centre falls within `slack` of a picture pixel's edge, either
// neighbour's colour counts: a crisp picture at a fractional scale must pick
// one of them, a blurred one shows a mixture of both.
export function mismatches(shot, box, pic, slack, limit = Infinity) {
  const found = [];
  const sourceAt = (u, v) => rgbaAt(pic, Math.min(pic.width - 1, Math.max(0, u)), Math.min(pic.height - 1, Math.max(0, v)));
  for (let y = 0; y < box.height; ++y) {
    for (let x = 0; x < box.width; ++x) {
      const u = (x + 0.5) * pic.width / box.width, v = (y + 0.5) * pic.height / box.height;
      const us = [Math.floor(u)], vs = [Math.floor(v)];
      if (u % 1 < slack) us.push(Math.floor(u) - 1); else if (u % 1 > 1 - slack) us.push(Math.floor(u) + 1);
      if (v % 1 < slack) vs.push(Math.floor(v) - 1); else if (v % 1 > 1 - slack) vs.push(Math.floor(v) + 1);
      const candidates = us.flatMap((cu) => vs.map((cv) => sourceAt(cu, cv)));
      if (candidates.some((c) => c[3] === 0)) continue;
      const got = rgbaAt(shot, box.x + x, box.y + y);
      if (!candidates.some((c) => same(c, got)) && found.push({x, y, got, want: candidates[0]}) >= limit) return found;
    }
  }
  return found;
}

// How `pic` shows in the CSS box `cssBox`: the mismatching pixels at the
// best of the whole device-pixel origins next to the box's place (the
// browser snaps a box at a fractional place either way). At a fractional
// ratio either neighbour may show at a picture pixel's edge, never a blend.
export function pictureMismatches(shot, cssBox, dpr, pic, limit = Infinity) {
  const fractional = !Number.isInteger(dpr);
  const slack = fractional ? 0.45 : 0;
  const width = Math.round(cssBox.width * dpr), height = Math.round(cssBox.height * dpr);
  const near = (v) => [0, -1, 1].map((d) => Math.round(v * dpr) + d);
  let best;
  for (const y of near(cssBox.y)) {
    for (const x of near(cssBox.x)) {
      const found = mismatches(shot, {x, y, width, height}, pic, slack, limit);
      if (found.length === 0) return found;
      if (!best || found.length < best.length) best = found;
    }
  }
  return best;
}
