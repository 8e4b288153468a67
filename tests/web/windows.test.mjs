// SPDX-License-Identifier: GPL-3.0-or-later
// The windows around the board: the splash's frames and hand-over, the About
// box, help, the View menu's status bar and tile numbers, the move preview
// and its clearing.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startBrowser, newContext, screen, rgbaAt, RATIOS } from './browser.mjs';
import { openGame, byId, textOf, showsPicture, pictureBoxes, chooseMenu, readMessage, answer, clickTile, readBoard,
         messageOpen, SPLASH_MS, passSplash } from './game.mjs';
import { moveMask, tilesOf, solutionOfSize, TILES } from './rules.mjs';

const visible = (page, id) => byId(page, id).isVisible();

test('the splash steps its frames every half second, ignores input and hands over at 3.5 s', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site, {pastSplash: false});
  await page.evaluate(() => {  // watched from inside: never a moment without a window
    const noWindow = () => ['frmSplash', 'frmMain'].every((id) => document.getElementById(id).hidden);
    new MutationObserver(() => { if (noWindow()) window.noWindowSeen = true; })
      .observe(document.body, {attributes: true, subtree: true, attributeFilter: ['hidden']});
  });
  await byId(page, 'frmSplash').click();
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  // Frame 0 for two ticks, frames 1 to 5 for one each, then the main window.
  for (const [ms, frame] of [[0, 0], [500, 0], [1000, 1], [1500, 2], [2000, 3], [2500, 4], [3000, 5]]) {
    if (ms > 0) await page.clock.runFor(500);
    const shown = [];
    for (let k = 0; k < 6; ++k) if (await visible(page, `picLogo(${k})`)) shown.push(k);
    assert.deepEqual(shown, [frame], `at ${ms} ms`);
    assert.deepEqual(await showsPicture(page, `picLogo(${frame})`, `logo-${frame}`), [], `frame ${frame}'s pixels`);
    assert.equal(await visible(page, 'frmMain'), false, `at ${ms} ms`);
  }
  await page.clock.runFor(SPLASH_MS - 3000);
  assert.equal(await visible(page, 'frmMain'), true);
  assert.equal(await visible(page, 'frmSplash'), false);
  await page.clock.runFor(10_000);
  assert.equal(await visible(page, 'frmSplash'), false, 'the splash never comes back');
  assert.equal(await page.evaluate(() => window.noWindowSeen ?? false), false);
});

test('the About box names the game and version, closes by OK, Enter and Esc; System Info says it is unavailable; help opens', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  for (const close of [() => byId(page, 'cmdOK').click(), () => page.keyboard.press('Enter'),
                       () => page.keyboard.press('Escape')]) {
    await chooseMenu(page, 'mnuHelp', 'mnuHelpAbout');
    assert.equal(await textOf(page, 'frmAbout-caption'), 'About Tenebrix');
    assert.equal(await textOf(page, 'lblTitle'), 'Tenebrix');
    assert.equal(await textOf(page, 'lblVersion'), `Version ${process.env.TENEBRIX_PROJECT_VERSION}`);
    await close();
    assert.equal(await visible(page, 'frmAbout'), false);
  }
  await chooseMenu(page, 'mnuHelp', 'mnuHelpAbout');
  await byId(page, 'cmdSysInfo').click();
  assert.deepEqual(await readMessage(page), {title: 'Tenebrix', buttons: ['msgOK'],
                                             text: 'System Information Is Unavailable At This Time'});
  await answer(page, 'msgOK');
  assert.equal(await visible(page, 'frmAbout'), true, 'the About box stays open');
  await byId(page, 'cmdOK').click();

  for (let time = 0; time < 2; ++time) {  // asked again each time
    const [help] = await Promise.all([page.context().waitForEvent('page'), chooseMenu(page, 'mnuHelp', 'mnuHelpContents')]);
    await help.waitForLoadState();
    assert.match(help.url(), /#contents$/);
    assert.match(await help.locator('body').innerText(), /change all tiles to black/i);
    await help.close();
  }
});

test('after a message box or the About box the focus is back on the control that had it', async (t) => {
  const {browser, site} = await startBrowser(t);
  // As on a browser that does not give the focus back by itself when a
  // dialog closes: then only the game does.
  const context = await newContext(browser);
  await context.addInitScript(() => {
    const close = HTMLDialogElement.prototype.close;
    HTMLDialogElement.prototype.close = function (...args) {
      close.apply(this, args);
      document.activeElement?.blur();
    };
  });
  const page = await openGame(context, site);
  const focused = () => page.evaluate(() => document.activeElement?.id ?? '');
  for (const control of ['ScrollMode', 'picTile(12)', 'cmdNewPuzzle']) {
    await byId(page, control).focus();
    await page.keyboard.press('Control+H');
    assert.equal((await readMessage(page)).title, 'Hint');
    assert.equal(await focused(), 'msgOK');
    await page.keyboard.press('Enter');
    await page.locator('dialog#msgBox').waitFor({state: 'hidden'});
    assert.equal(await focused(), control, `after the hint, from ${control}`);
  }
  await byId(page, 'ScrollLevel').focus();
  await chooseMenu(page, 'mnuHelp', 'mnuHelpAbout');  // a click on a menu leaves the focus where it was
  assert.equal(await focused(), 'cmdOK');
  await page.keyboard.press('Alt+S');
  await readMessage(page);
  await page.keyboard.press('Escape');
  await page.locator('dialog#msgBox').waitFor({state: 'hidden'});
  assert.equal(await focused(), 'cmdSysInfo', 'back on System Info after its message');
  await page.keyboard.press('Escape');
  assert.equal(await visible(page, 'frmAbout'), false);
  assert.equal(await focused(), 'ScrollLevel', 'back on the scroll bar after the About box');
});

test('the View menu shows and hides the status bar, which keeps its clock, and the tile numbers', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  assert.equal(await textOf(page, 'Panels(1)'), 'Status Bar');
  const time = await textOf(page, 'Panels(3)');
  await page.clock.runFor(61_000);
  assert.notEqual(await textOf(page, 'Panels(3)'), time, 'the time moves on by itself');
  assert.match(await textOf(page, 'Panels(2)'), /\d/);
  for (const [item, shown] of [['mnuViewStatusBar', false], ['mnuViewStatusBar', true]]) {
    await chooseMenu(page, 'mnuView', item);
    assert.equal(await visible(page, 'sbStatusBar'), shown);
    assert.equal(await byId(page, item).getAttribute('aria-checked'), String(shown));
  }
  for (const shown of [true, false]) {
    await chooseMenu(page, 'mnuView', 'mnuTileNumbers');
    assert.equal(await byId(page, 'mnuTileNumbers').getAttribute('aria-checked'), String(shown));
    for (const tile of TILES) {
      assert.equal(await visible(page, `lblTileNumbers(${tile})`), shown);
      if (shown) assert.equal(await textOf(page, `lblTileNumbers(${tile})`), ` ${tile}`);
    }
  }
});

test('the preview colours the margins of the tiles a click would flip; the bare window, Hint and Reset take it off', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  const {boxes} = await pictureBoxes(page, TILES.map((tile) => `picTile(${tile})`));
  const centre = (tile) => [boxes[tile - 1].x + 16, boxes[tile - 1].y + 16];
  const gapBelow = (tile) => [boxes[tile - 1].x + 16, boxes[tile - 1].y + 40];
  // The colour showing through each tile's transparent margin.
  const margins = async () => {
    const shot = await screen(page);
    return TILES.map((tile) => rgbaAt(shot, boxes[tile - 1].x + 1.5, boxes[tile - 1].y + 1.5).slice(0, 3).join());
  };
  const green = '0,255,0', silver = '192,192,192';
  const greenTiles = async () => (await margins()).flatMap((colour, i) => colour === green ? [i + 1] : []);
  const untouched = (await margins())[0];

  await page.mouse.move(...centre(13));
  assert.deepEqual(await greenTiles(), tilesOf(moveMask(1, 13)));
  await page.mouse.move(...gapBelow(13));
  assert.deepEqual(await greenTiles(), []);
  const after = await margins();
  for (const tile of TILES)
    assert.equal(after[tile - 1], moveMask(1, 13) & (1 << (tile - 1)) ? silver : untouched, `tile ${tile}`);

  await page.mouse.move(...centre(14));
  await page.mouse.click(...centre(14));
  assert.deepEqual(await greenTiles(), tilesOf(moveMask(1, 14)), 'a click keeps the preview');
  for (const [id, clears] of [['cmdNewPuzzle', false], ['cmdHint', true], ['cmdReset', true]]) {
    await page.mouse.move(...centre(14));
    const button = await byId(page, id).boundingBox();
    await page.mouse.move(button.x + 5, button.y + 5, {steps: 1});
    assert.equal((await greenTiles()).length === 0, clears, `pointer over ${id}`);
  }
});

test('leaving the page stores the game window\'s place in twips under Tenebrix/Settings; leaving the splash stores nothing', async (t) => {
  const {browser, site} = await startBrowser(t);
  const context = await newContext(browser);
  const stored = (page) => page.evaluate(() =>
    Object.fromEntries(Object.keys(localStorage).map((key) => [key, localStorage.getItem(key)])));

  let page = await openGame(context, site, {pastSplash: false});
  await page.goto('about:blank');
  page = await openGame(context, site, {pastSplash: false});
  assert.deepEqual(await stored(page), {}, 'nothing while only the splash was up');

  await passSplash(page);
  const place = await page.evaluate(() => {
    const box = document.getElementById('frmMain').getBoundingClientRect();
    return {MainLeft: box.left, MainTop: box.top, MainWidth: box.width, MainHeight: box.height};
  });
  await page.goto('about:blank');
  const reader = await context.newPage();
  await reader.goto(site.url);
  const values = await stored(reader);
  assert.deepEqual(Object.keys(values).sort(),
                   ['MainHeight', 'MainLeft', 'MainTop', 'MainWidth'].map((key) => `Tenebrix/Settings/${key}`));
  for (const [key, pixels] of Object.entries(place)) {
    const twips = Number(values[`Tenebrix/Settings/${key}`]);
    assert.ok(Math.abs(twips - 15 * pixels) < 0.5, `${key}: ${twips} twips for ${pixels} px`);
  }
  assert.ok(Number(values['Tenebrix/Settings/MainWidth']) > 6795, 'the whole window, border included');
});

// The middle of element `id`'s box, in CSS pixels.
const centreOf = (page, id) => byId(page, id).evaluate((element) => {
  const box = element.getBoundingClientRect();
  return {x: box.left + box.width / 2, y: box.top + box.height / 2};
});

test('the splash stands in the middle of the page, the About box in the middle of the game window, at every ratio', async (t) => {
  const {browser, site} = await startBrowser(t);
  for (const dpr of RATIOS) {
    const page = await openGame(browser, site, {dpr, pastSplash: false});
    const {width, height} = page.viewportSize();
    const near = (got, want, what) =>
      assert.ok(Math.abs(got.x - want.x) <= 1 && Math.abs(got.y - want.y) <= 1,
                `${what} at ${dpr}: centre (${got.x}, ${got.y}) instead of (${want.x}, ${want.y})`);
    near(await centreOf(page, 'frmSplash'), {x: width / 2, y: height / 2}, 'the splash');
    await passSplash(page);
    await chooseMenu(page, 'mnuHelp', 'mnuHelpAbout');
    near(await centreOf(page, 'frmAbout'), await centreOf(page, 'frmMain'), 'the About box');
    await page.context().close();
  }
});

test('the menus as drawn: titles, items, access keys underlined, shortcuts and check marks', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  // [title, its key, [[item, its key, shortcut, checked], ... '-' for a separator]]
  const menus = [
    ['mnuFile', 'File', 'F', [['Hint', 'H', 'Ctrl+H'], ['New Puzzle', 'N', 'Ctrl+N'], ['Reset Puzzle', 'R', 'Ctrl+R'], '-',
                              ['Exit', 'x', '']]],
    ['mnuView', 'View', 'V', [['Status Bar', 'B', '', true], ['Tile Numbers', 'T', '', false]]],
    ['mnuHelp', 'Help', 'H', [['How to Play', '', ''], '-', ['About Tenebrix...', 'A', '']]],
  ];
  const drawn = (title) => page.evaluate((title) => {
    const text = (element) => element?.textContent ?? '';
    const popup = document.getElementById(title).nextElementSibling;
    const shown = (element) => element.checkVisibility();
    return {
      title: text(document.getElementById(title)), key: text(document.querySelector(`[id="${title}"] u`)),
      items: [...popup.children].filter(shown).map((row) => {
        if (row.classList.contains('separator')) return '-';
        const caption = row.querySelector('.caption'), shortcut = row.querySelector('.shortcut');
        const mark = getComputedStyle(row.querySelector('.check'), '::before').content;
        return {caption: text(caption), key: text(caption.querySelector('u')), shortcut: text(shortcut),
                checked: mark.includes('\u2713'),
                // The shortcut stands right of the caption, on the same line.
                apart: !shortcut.textContent || (shortcut.getBoundingClientRect().left >= caption.getBoundingClientRect().right &&
                       Math.abs(shortcut.getBoundingClientRect().top - caption.getBoundingClientRect().top) < 1)};
      }),
    };
  }, title);
  for (const [title, caption, key, items] of menus) {
    await byId(page, title).click();
    const got = await drawn(title);
    assert.equal(got.title, caption);
    assert.equal(got.key, key, `${caption}'s access key`);
    assert.deepEqual(got.items, items.map((item) => item === '-' ? '-' :
      {caption: item[0], key: item[1], shortcut: item[2], checked: item[3] ?? false, apart: true}), caption);
    await page.keyboard.press('Escape');
  }
});

test('menus from the keyboard: Left and Right go round the menu bar, Up and Down round a menu, past separators', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  await byId(page, 'picTile(13)').focus();
  const state = () => page.evaluate(() => [
    document.querySelector('.menutitle[aria-expanded="true"]')?.id ?? '', document.activeElement?.id ?? '']);
  await page.keyboard.press('F10');
  assert.equal((await state())[0], 'mnuFile');
  for (const [key, menu, item] of [['ArrowLeft', 'mnuHelp', 'mnuHelpContents'], ['ArrowLeft', 'mnuView', 'mnuViewStatusBar'],
                                   ['ArrowRight', 'mnuHelp', 'mnuHelpContents'], ['ArrowRight', 'mnuFile', 'mnuHint'],
                                   ['ArrowUp', 'mnuFile', 'mnuFileExit'], ['ArrowUp', 'mnuFile', 'mnuReset'],
                                   ['ArrowDown', 'mnuFile', 'mnuFileExit'], ['ArrowDown', 'mnuFile', 'mnuHint'],
                                   ['ArrowLeft', 'mnuHelp', 'mnuHelpContents'], ['ArrowDown', 'mnuHelp', 'mnuHelpAbout'],
                                   ['ArrowDown', 'mnuHelp', 'mnuHelpContents'], ['ArrowRight', 'mnuFile', 'mnuHint']])
  {
    await page.keyboard.press(key);
    assert.deepEqual(await state(), [menu, item], key);
  }
  await page.keyboard.press('Escape');
  assert.deepEqual(await state(), ['', 'picTile(13)'], 'closed, the focus back on the board');
});

test('Esc on a message box: an OK box closes, a Yes/No box waits for its answer', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  await byId(page, 'cmdHint').click();
  assert.deepEqual((await readMessage(page)).buttons, ['msgOK']);
  await page.keyboard.press('Escape');
  assert.equal(await messageOpen(page), false, 'the OK box closed');

  await byId(page, 'cmdNewPuzzle').click();  // the hint forgotten: the offer comes
  for (const tile of solutionOfSize(1, await readBoard(page), 2)) await clickTile(page, tile);
  assert.deepEqual((await readMessage(page)).buttons, ['msgYes', 'msgNo']);
  for (let press = 0; press < 3; ++press) await page.keyboard.press('Escape');
  assert.equal(await messageOpen(page), true, 'Esc does not answer Yes or No');
  assert.equal(await textOf(page, 'lblLevel'), 'Level:  2');
  await page.keyboard.press('n');
  assert.equal(await messageOpen(page), false);
  assert.equal(await textOf(page, 'lblLevel'), 'Level:  2', 'No keeps the level');
});
