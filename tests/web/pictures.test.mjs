// SPDX-License-Identifier: GPL-3.0-or-later
// The page's pictures against the game's own picture code: pixel for pixel at
// a device pixel ratio of 1, each pixel a 2 x 2 or 3 x 3 block at 2 and 3,
// crisp (never a blended colour) at 1.25 and 1.5, their size kept above 4
// and after the ratio changes under a running page; and the tile-set
// scroll bar repainting the board.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startBrowser, screen, picture, RATIOS } from './browser.mjs';
import { openGame, byId, textOf, showsPicture, pictureBoxes, readBoard, clickTile, chooseMenu, passSplash } from './game.mjs';

const describe = (found) => found.length === 0 ? 'none' :
  `${found.length}, first at (${found[0].x}, ${found[0].y}): ${found[0].got} instead of ${found[0].want}`;

// Each picture at its size at 96 dpi, in CSS pixels, whatever the ratio.
async function expectSize(page, id, name, dpr) {
  const {boxes: [box]} = await pictureBoxes(page, [id]);
  const {width, height} = picture(name);
  assert.ok(Math.abs(box.width - width) < 0.5 && Math.abs(box.height - height) < 0.5,
            `${id} at ${dpr}: ${box.width} x ${box.height} CSS pixels instead of ${width} x ${height}`);
}

for (const dpr of [...new Set([...RATIOS, 1.25, 5])]) {
  test(`every kind of picture at a device pixel ratio of ${dpr}`, async (t) => {
    const {browser, site} = await startBrowser(t);
    const page = await openGame(browser, site, {dpr, pastSplash: false});
    const expect = async (id, name, shot) => {
      assert.equal(describe(await showsPicture(page, id, name, shot)), 'none', `${id} against ${name}`);
      await expectSize(page, id, name, dpr);
    };

    await expect('picLogo(0)', 'logo-0');
    await passSplash(page);
    // Every tile the lit or the dark picture. The tiles sit half a CSS pixel
    // into their buttons, which above a ratio of 4 puts them between device
    // pixels: there only the pictures' size and the boxes on whole pixels count.
    if (dpr <= 4) await readBoard(page);
    const shot = await screen(page);
    for (const [id, name] of [['PicOn', 'tile-1'], ['picOff', 'tile-2'], ['picMode(1)', 'mode-1']])
      await expect(id, name, shot);
    await chooseMenu(page, 'mnuHelp', 'mnuHelpAbout');
    await expect('picIcon', 'about');
  });
}

// A zoom or another screen: the page follows the new ratio and every
// picture is crisp at it, at its size.
test('the pictures follow the device pixel ratio of a running page: 1.5, 2, 3, 1.25, 1', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site, {dpr: 1.5, pastSplash: false});
  const session = await page.context().newCDPSession(page);
  const {width, height} = page.viewportSize();
  // The new ratio, once the page has drawn the picture in `id` for it (the
  // browser tells the page in its next frame), bounded. As with a zoom, the
  // page's width in CSS pixels changes too: a change of the ratio alone, as
  // on another screen, reaches a page in this emulation by no event.
  let zoomed = 0;
  const setRatio = async (dpr, id, name) => {
    zoomed += 2;
    await session.send('Emulation.setDeviceMetricsOverride', {width: width + zoomed, height, deviceScaleFactor: dpr, mobile: false});
    const want = Math.round(picture(name).width * dpr);
    for (let tries = 0; tries < 100; ++tries) {
      const drawn = await byId(page, id).evaluate((element) =>
        [devicePixelRatio, (element.tagName === 'CANVAS' ? element : element.querySelector('canvas')).width]);
      if (drawn[0] === dpr && drawn[1] === want) return;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    assert.fail(`at ${dpr} ${id} was never drawn ${want} device pixels wide`);
  };
  const expect = async (dpr, pairs) => {
    const shot = await screen(page);
    for (const [id, name] of pairs) {
      assert.equal(describe(await showsPicture(page, id, name, shot)), 'none', `${id} against ${name} at ${dpr}`);
      await expectSize(page, id, name, dpr);
    }
  };
  await setRatio(2, 'picLogo(0)', 'logo-0');
  await expect(2, [['picLogo(0)', 'logo-0']]);
  await passSplash(page);
  await clickTile(page, 13);
  for (const dpr of [3, 1.25, 2, 1]) {
    await setRatio(dpr, 'PicOn', 'tile-1');
    await expect(dpr, [['PicOn', 'tile-1'], ['picOff', 'tile-2'], ['picMode(1)', 'mode-1']]);
    await readBoard(page);  // every tile the lit or the dark picture, crisp
  }
  await chooseMenu(page, 'mnuHelp', 'mnuHelpAbout');
  await setRatio(3, 'picIcon', 'about');
  await expect(3, [['picIcon', 'about']]);
});

test('the splash\'s first logo frame is drawn from the page itself, before the program has loaded', async (t) => {
  const {browser, site} = await startBrowser(t);
  for (const dpr of [...new Set([...RATIOS, 1.25])]) {
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
