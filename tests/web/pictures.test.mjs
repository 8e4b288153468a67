// SPDX-License-Identifier: GPL-3.0-or-later
// The page's pictures against the game's own picture code: pixel for pixel at
// a device pixel ratio of 1, doubled at 2, crisp (never a blended colour) at
// 1.25 and 1.5; and the tile-set scroll bar repainting the board.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startBrowser, screen, picture } from './browser.mjs';
import { openGame, byId, textOf, showsPicture, pictureBoxes, readBoard, clickTile, chooseMenu, SPLASH_MS } from './game.mjs';

const describe = (found) => found.length === 0 ? 'none' :
  `${found.length}, first at (${found[0].x}, ${found[0].y}): ${found[0].got} instead of ${found[0].want}`;

for (const dpr of [1, 2, 1.25, 1.5]) {
  test(`every kind of picture at a device pixel ratio of ${dpr}`, async (t) => {
    const {browser, site} = await startBrowser(t);
    const page = await openGame(browser, site, {dpr, pastSplash: false});
    const expect = async (id, name, shot) =>
      assert.equal(describe(await showsPicture(page, id, name, shot)), 'none', `${id} against ${name}`);

    await expect('picLogo(0)', 'logo-0');
    await page.clock.runFor(SPLASH_MS);
    await byId(page, 'frmMain').waitFor();
    await readBoard(page);  // every tile the lit or the dark picture
    const shot = await screen(page);
    for (const [id, name] of [['PicOn', 'tile-1'], ['picOff', 'tile-2'], ['picMode(1)', 'mode-1']])
      await expect(id, name, shot);
    await chooseMenu(page, 'mnuHelp', 'mnuHelpAbout');
    await expect('picIcon', 'about');
  });
}

test('the splash\'s first logo frame is drawn from the page itself, before the program has loaded', async (t) => {
  const {browser, site} = await startBrowser(t);
  for (const dpr of [1, 2, 1.25, 1.5]) {
    const page = await openGame(browser, site, {dpr, pastSplash: false, withoutProgram: true});
    // The picture is decoded in the background: up to 10 s for it.
    let found = await showsPicture(page, 'picLogo(0)', 'logo-0');
    for (let tries = 0; found.length && tries < 50; ++tries) {
      await new Promise((resolve) => setTimeout(resolve, 200));
      found = await showsPicture(page, 'picLogo(0)', 'logo-0');
    }
    assert.equal(describe(found), 'none', `picLogo(0) at ${dpr}`);
    // At its size at 96 dpi, as the program shows it (to the page's 64ths of a pixel).
    const {boxes: [box]} = await pictureBoxes(page, ['picLogo(0)']);
    const side = picture('logo-0').width;
    assert.ok(Math.abs(box.width - side) < 0.5 && Math.abs(box.height - side) < 0.5,
              `picLogo(0) at ${dpr}: ${box.width} x ${box.height} CSS pixels instead of ${side}`);
    await page.context().close();
  }
});

test('the tile-set scroll bar repaints the board in each set\'s pictures and leaves the puzzle alone', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  await clickTile(page, 13);
  const board = await readBoard(page, 1);
  for (let set = 2; set <= 8; ++set) {
    await page.locator('[id="ScrollTileSet"] .arrow.right').click();
    const shot = await screen(page);
    for (const [id, name] of [['PicOn', `tile-${2 * set - 1}`], ['picOff', `tile-${2 * set}`]])
      assert.equal(describe(await showsPicture(page, id, name, shot)), 'none', `set ${set}: ${id}`);
    assert.equal(await readBoard(page, set), board, `set ${set} shows the same board`);
    assert.equal(await textOf(page, 'lblTileSet'), 'Change all tiles to black');
    assert.equal(await textOf(page, 'lblMoves'), '1');
  }
});
