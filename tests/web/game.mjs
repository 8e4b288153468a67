// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a player meets it on the page: opening it past the splash,
// reading the board from its pixels, clicking, answering message boxes.
import assert from 'node:assert/strict';
import { newContext, picture, screen, pictureMismatches } from './browser.mjs';
import { TILES, bit } from './rules.mjs';

export const SPLASH_MS = 3500;
export const byId = (page, id) => page.locator(`[id="${id}"]`);
export const textOf = (page, id) => byId(page, id).textContent();

// Opens the page with the page's clock stopped, under the test's control,
// and runs it past the splash to the main window unless `pastSplash` is false.
// With `withoutProgram` the program (tenebrix.wasm) never arrives: its
// download is held, neither answered nor failed. With
// `after` the tab shows that address of the site first, so it has a history.
// `locale` is the browser's language ("de-DE"); `prepare` is called with
// the page before it opens (to hold or fail a download).
export async function openGame(browser, site, {dpr = 1, pastSplash = true, withoutProgram = false, after, locale,
                                               prepare} = {}) {
  const context = browser.newContext
    ? await newContext(browser, {deviceScaleFactor: dpr, ...(locale && {locale})}) : browser;
  const page = await context.newPage();
  if (withoutProgram) await page.route('**/tenebrix.wasm', () => {});
  if (prepare) await prepare(page);
  const now = Date.now();
  await page.clock.install({time: now});
  await page.clock.pauseAt(now + 60_000);  // well ahead of the real time, however slow the machine
  if (after) await page.goto(new URL(after, site.url).href);
  await page.goto(site.url);
  await byId(page, 'frmSplash').waitFor();
  if (!withoutProgram) await programStarted(page);
  if (pastSplash) await passSplash(page);
  return page;
}

// The page shows the splash from its own markup before the program runs
// (longer when a catalogue comes first). The stopped clock may run on only
// once the program has set the splash's timers, or they would be set after
// it and go off late or never. The program has started once it has drawn
// the splash's first logo frame itself: the page's early copy has a key of
// its own. (Performance marks are no sign: the test clock stands in for them.)
export async function programStarted(page) {
  const started = () => page.evaluate(() => {
    const box = document.getElementById('picLogo(0)');
    const canvas = box?.tagName === 'CANVAS' ? box : box?.querySelector('canvas');
    return /^\d+$/.test(canvas?.dataset.key ?? '');
  }).catch(() => false);  // the document still being replaced
  for (const start = Date.now(); !(await started());) {
    if (Date.now() - start > 30_000) assert.fail('the program did not start within 30 s');
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Runs the stopped clock past the splash to the main window.
export async function passSplash(page) {
  await programStarted(page);
  await page.clock.runFor(SPLASH_MS);
  await byId(page, 'frmMain').waitFor();
}

// The CSS boxes of the pictures the elements show (inside the canvas's own
// border, if it has one), and the device pixel ratio.
export async function pictureBoxes(page, ids) {
  return page.evaluate((ids) => ({dpr: devicePixelRatio, boxes: ids.map((id) => {
    const element = document.getElementById(id);
    const canvas = element.tagName === 'CANVAS' ? element : element.querySelector('canvas');
    const box = canvas.getBoundingClientRect(), style = getComputedStyle(canvas);
    const [left, top, right, bottom] = ['Left', 'Top', 'Right', 'Bottom'].map((side) => parseFloat(style[`border${side}Width`]));
    return {x: box.left + left, y: box.top + top, width: box.width - left - right, height: box.height - top - bottom};
  })}), ids);
}

// The pixels of element `id` that do not show the picture `name`.
export async function showsPicture(page, id, name, shot) {
  const {dpr, boxes: [box]} = await pictureBoxes(page, [id]);
  return pictureMismatches(shot ?? await screen(page), box, dpr, picture(name));
}

// The board as a value (bit t-1 for a lit tile t), read from the pixels:
// every tile must show the lit picture of `tileSet` or the dark one.
export async function readBoard(page, tileSet = 1) {
  const shot = await screen(page);
  const {dpr, boxes} = await pictureBoxes(page, TILES.map((tile) => `picTile(${tile})`));
  let value = 0;
  for (const tile of TILES) {
    const showing = (index) => pictureMismatches(shot, boxes[tile - 1], dpr, picture(`tile-${index}`), 1).length === 0;
    if (showing(2 * tileSet - 1)) value |= bit(tile);
    else assert.ok(showing(2 * tileSet), `tile ${tile} shows neither picture of tile set ${tileSet}`);
  }
  return value;
}

export const clickTile = (page, tile) => byId(page, `picTile(${tile})`).click();

// The open message box: title, text with \n line breaks, and its buttons.
export async function readMessage(page) {
  await page.locator('dialog#msgBox[open]').waitFor();
  const buttons = [];
  for (const id of ['msgOK', 'msgYes', 'msgNo'])
    if (await byId(page, id).isVisible()) buttons.push(id);
  return {title: await textOf(page, 'msgTitle'), text: await textOf(page, 'msgText'), buttons};
}

export async function answer(page, button) {
  await byId(page, button).click();
  await page.locator('dialog#msgBox[open]').waitFor({state: 'detached'}).catch(() => {});
  await page.locator('dialog#msgBox').waitFor({state: 'hidden'});
}

export const messageOpen = (page) => page.locator('dialog#msgBox[open]').count().then((n) => n > 0);

// Chooses a menu item with the mouse: its menu's title, then the item.
export async function chooseMenu(page, menu, item) {
  await byId(page, menu).click();
  await byId(page, item).click();
}

// A seed for the tests' own random choices, printed so a failure can be replayed.
export function testSeed(t) {
  const seed = Number(process.env.TENEBRIX_TEST_SEED ?? Date.now() % 1_000_000);
  t.diagnostic(`seed ${seed} (TENEBRIX_TEST_SEED=${seed} replays it)`);
  let state = seed;
  return () => (state = (state * 1103515245 + 12345) % 2147483648) / 2147483648;
}
