// SPDX-License-Identifier: GPL-3.0-or-later
// The page when the game cannot run, and when it has ended: no program, no
// WebAssembly, no scripts, and File > Exit in a tab the browser keeps open.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startBrowser, newContext } from './browser.mjs';
import { openGame, byId, textOf, chooseMenu, SPLASH_MS, passSplash } from './game.mjs';

const visible = (page, id) => byId(page, id).isVisible();
const windowsShown = (page) => page.locator('.desktop > .window:visible').count();

test('without its program, or without WebAssembly, the page says so instead of showing the splash for ever', async (t) => {
  const {browser, site} = await startBrowser(t);
  for (const [how, prepare] of [
    ['the program\'s download blocked', (page) => page.route('**/tenebrix.wasm', (route) => route.abort())],
    ['a browser without WebAssembly', (page) => page.addInitScript(() => { delete globalThis.WebAssembly; })],
  ]) {
    const context = await newContext(browser);
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await prepare(page);
    await page.goto(site.url);
    await byId(page, 'noProgram').waitFor();
    assert.match(await textOf(page, 'noProgram'), /cannot start.*WebAssembly/s, how);
    // Long after the splash would have ended: still only the notice.
    await page.waitForTimeout(SPLASH_MS + 500);
    assert.equal(await windowsShown(page), 0, `${how}: no window left on the page`);
    assert.equal(await visible(page, 'noProgram'), true, how);
    assert.deepEqual(errors, [], how);
    await context.close();
  }
});

test('without scripts the page shows only its notice that the game needs JavaScript', async (t) => {
  const {browser, site} = await startBrowser(t);
  const context = await newContext(browser, {javaScriptEnabled: false});
  const page = await context.newPage();
  await page.goto(site.url);
  const notice = page.locator('.notice:visible');
  assert.equal(await notice.count(), 1);
  assert.match(await notice.textContent(), /needs JavaScript/);
  assert.equal(await windowsShown(page), 0, 'no empty window');
});

test('File > Exit: a tab the browser keeps open says the game has ended and Play Again starts it anew; a tab the page opened closes', async (t) => {
  const {browser, site} = await startBrowser(t);
  const context = await newContext(browser);
  // A tab with a history of its own: the browser refuses a script's close.
  const page = await openGame(context, site, {after: 'Tenebrix.html'});
  await chooseMenu(page, 'mnuFile', 'mnuFileExit');
  await byId(page, 'gameEnded').waitFor();
  assert.equal(page.isClosed(), false);
  assert.match(await textOf(page, 'gameEnded'), /ended/);
  assert.equal(await windowsShown(page), 0, 'the game window is gone');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'playAgain');
  // The game is over: its keys do nothing any more.
  await page.keyboard.press('Control+N');
  assert.equal(await page.locator('dialog[open]').count(), 0);

  await page.keyboard.press('Enter');  // Play Again, from the keyboard
  await byId(page, 'frmSplash').waitFor();
  assert.equal(await visible(page, 'gameEnded'), false);
  await passSplash(page);
  assert.equal(await textOf(page, 'lblMoves'), '0');

  // Opened by the page itself: the browser lets the game close it.
  const [popup] = await Promise.all([context.waitForEvent('page'),
                                     page.evaluate((url) => { window.open(url); }, site.url)]);
  await byId(popup, 'frmSplash').waitFor();
  await passSplash(popup);
  await Promise.all([popup.waitForEvent('close'), chooseMenu(popup, 'mnuFile', 'mnuFileExit')]);
  assert.equal(popup.isClosed(), true);
});
