// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll bars as a player works them: keys (arrows, the page keys, Home
// and End), the track clicked and held, and a finger on a held arrow that
// the browser takes away. Ranges and steps as the game's settings panel
// has them: tile set 1 to 8, mode 1 to 9, level 2 to 20, a step and a page
// of 1.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startBrowser, newContext, RATIOS } from './browser.mjs';
import { openGame, byId, textOf } from './game.mjs';

const valueOf = async (page, bar) => Number(await byId(page, bar).getAttribute('aria-valuenow'));

test('the keys on a scroll bar: Home and End go to its ends, the page keys and arrows step by one', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  for (const [bar, label, first, last] of [['ScrollLevel', 'lblLevel', 2, 20], ['ScrollMode', 'lblMode', 1, 9],
                                           ['ScrollTileSet', null, 1, 8]]) {
    await byId(page, bar).focus();
    for (const [key, value] of [['End', last], ['End', last], ['PageDown', last], ['ArrowRight', last],
                                ['PageUp', last - 1], ['ArrowLeft', last - 2], ['Home', first], ['PageUp', first],
                                ['ArrowLeft', first], ['PageDown', first + 1], ['ArrowRight', first + 2]]) {
      await page.keyboard.press(key);
      assert.equal(await valueOf(page, bar), value, `${bar} after ${key}`);
    }
    if (label === 'lblLevel') assert.equal(await textOf(page, label), `Level:  ${first + 2}`);
    if (label === 'lblMode') assert.equal(await textOf(page, label), `Mode  ${first + 2}`);
    assert.equal(await page.evaluate(() => document.activeElement.id), bar, 'the focus stays on the bar');
  }
});

test('the track: a click pages once towards the pointer, held it pages until the thumb is under the pointer', async (t) => {
  const {browser, site} = await startBrowser(t);
  for (const dpr of RATIOS) {
    const page = await openGame(browser, site, {dpr});
    const track = await page.locator('[id="ScrollLevel"] .track').boundingBox();
    const y = track.y + track.height / 2;
    await page.mouse.click(track.x + track.width - 2, y);
    assert.equal(await valueOf(page, 'ScrollLevel'), 3, `one page to the right at ${dpr}`);
    await page.mouse.click(track.x + 1, y);
    assert.equal(await valueOf(page, 'ScrollLevel'), 2, `one page to the left at ${dpr}`);

    const x = track.x + track.width * 0.6;
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.clock.runFor(5000);
    await page.mouse.up();
    const thumb = await page.locator('[id="ScrollLevel"] .thumb').boundingBox();
    assert.ok(thumb.x <= x && x < thumb.x + thumb.width, `at ${dpr} the thumb (${thumb.x} to ${thumb.x + thumb.width}) stops under the pointer (${x})`);
    const value = await valueOf(page, 'ScrollLevel');
    assert.ok(value > 3 && value < 20, `at ${dpr}: level ${value}, between the ends`);
    await page.clock.runFor(2000);
    assert.equal(await valueOf(page, 'ScrollLevel'), value, `at ${dpr}: let go, it stays`);
    await page.context().close();
  }
});

test('touch: a held arrow repeats until the browser takes the touch or the capture goes; the bars take every touch', async (t) => {
  const {browser, site} = await startBrowser(t);
  const context = await newContext(browser, {hasTouch: true});
  const page = await openGame(context, site);
  const session = await context.newCDPSession(page);
  await page.evaluate(() => document.addEventListener('pointerdown', (event) => { window.pointerId = event.pointerId; }, true));
  const arrowHolds = () => page.evaluate(() =>
    document.querySelector('[id="ScrollLevel"] .arrow.right').hasPointerCapture(window.pointerId));
  for (const bar of ['ScrollTileSet', 'ScrollMode', 'ScrollLevel'])
    assert.equal(await byId(page, bar).evaluate((element) => getComputedStyle(element).touchAction), 'none', bar);

  const arrow = await page.locator('[id="ScrollLevel"] .arrow.right').boundingBox();
  const finger = {x: arrow.x + arrow.width / 2, y: arrow.y + arrow.height / 2};
  const touch = (type, at = finger) => session.send('Input.dispatchTouchEvent', {type, touchPoints: type === 'touchEnd' || type === 'touchCancel' ? [] : [at]});
  const level = () => valueOf(page, 'ScrollLevel');

  // The browser takes the gesture: pointercancel.
  await touch('touchStart');
  assert.equal(await level(), 3, 'a step at once');
  assert.equal(await arrowHolds(), true, 'the arrow holds the pointer');
  await page.clock.runFor(360);
  assert.equal(await level(), 4, 'held: it repeats');
  await touch('touchCancel');
  await page.clock.runFor(3000);
  assert.equal(await level(), 4, 'taken away: it stops');

  // The capture lost while the finger stays down: lostpointercapture.
  await touch('touchStart');
  await page.clock.runFor(360);
  assert.equal(await level(), 6);
  // Released, as another part of the page might; the browser tells with its
  // next pointer event, which under the test's stopped clock is sent here.
  await page.evaluate(() => {
    const arrow = document.querySelector('[id="ScrollLevel"] .arrow.right');
    arrow.releasePointerCapture(window.pointerId);
    arrow.dispatchEvent(new PointerEvent('lostpointercapture', {pointerId: window.pointerId, pointerType: 'touch'}));
  });
  await page.clock.runFor(3000);
  assert.equal(await level(), 6, 'capture lost: it stops');
  await touch('touchEnd');

  // A finger lifted as usual stops it too, after the same steps as a mouse.
  await touch('touchStart');
  await page.clock.runFor(360);
  await touch('touchEnd');
  await page.clock.runFor(3000);
  assert.equal(await level(), 8);
  assert.equal(await textOf(page, 'lblLevel'), 'Level:  8');
});
