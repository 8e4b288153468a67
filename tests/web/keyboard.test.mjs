// SPDX-License-Identifier: GPL-3.0-or-later
// Playing from the keyboard alone, and the board as a screen reader finds it
// in the browser's accessibility tree.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startBrowser } from './browser.mjs';
import { openGame, byId, textOf, readBoard, readMessage, answer } from './game.mjs';
import { moveMask, tilesOf, TILES } from './rules.mjs';

// The lit tiles as the accessibility tree names them ("Tile 7, lit").
async function litByName(page) {
  const session = await page.context().newCDPSession(page);
  const {nodes} = await session.send('Accessibility.getFullAXTree');
  const tiles = new Map();
  for (const node of nodes) {
    const match = /^Tile (\d+), (lit|dark)$/.exec(node.name?.value ?? '');
    if (match && node.role?.value === 'button') tiles.set(Number(match[1]), match[2] === 'lit');
  }
  assert.deepEqual([...tiles.keys()].sort((a, b) => a - b), TILES, 'every tile is a named button');
  return TILES.filter((tile) => tiles.get(tile));
}

test('keyboard play: arrows move between tiles, Enter and Space press, access keys and shortcuts command; names follow the board', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  const start = await readBoard(page);
  assert.deepEqual(await litByName(page), tilesOf(start));

  await byId(page, 'picTile(1)').focus();
  for (const key of ['ArrowRight', 'ArrowRight', 'ArrowDown', 'ArrowDown', 'ArrowLeft', 'ArrowUp', 'ArrowUp', 'ArrowUp'])
    await page.keyboard.press(key);  // the top edge holds: tile 2
  assert.equal(await page.evaluate(() => document.activeElement.id), 'picTile(2)');
  await page.keyboard.press('Enter');
  assert.equal(await readBoard(page), start ^ moveMask(1, 2));
  assert.deepEqual(await litByName(page), tilesOf(start ^ moveMask(1, 2)), 'names follow a move');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press(' ');
  assert.equal(await readBoard(page), start ^ moveMask(1, 2) ^ moveMask(1, 7));
  assert.equal(await textOf(page, 'lblMoves'), '2');

  for (const [keys, moves] of [['Alt+R', '0'], ['Control+R', '0']]) {
    await page.keyboard.press('Enter');  // tile 7 again
    await page.keyboard.press(keys);
    assert.equal(await textOf(page, 'lblMoves'), moves, keys);
    assert.equal(await readBoard(page), start, `${keys} resets`);
  }
  for (const keys of ['Alt+H', 'Control+H']) {
    await page.keyboard.press(keys);
    assert.equal((await readMessage(page)).title, 'Hint', keys);
    await page.keyboard.press('Enter');
    await page.locator('dialog#msgBox').waitFor({state: 'hidden'});
  }
  await page.keyboard.press('Alt+N');
  assert.deepEqual(await litByName(page), tilesOf(await readBoard(page)), 'names follow a new puzzle');

  await byId(page, 'ScrollLevel').focus();
  await page.keyboard.press('ArrowRight');
  assert.equal(await textOf(page, 'lblLevel'), 'Level:  3');
  await page.keyboard.press('F10');  // File, then View's first item: Status Bar
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Enter');
  assert.equal(await byId(page, 'sbStatusBar').isVisible(), false);
  await page.keyboard.press('Alt+V');
  await page.keyboard.press('T');
  assert.equal(await byId(page, 'lblTileNumbers(1)').isVisible(), false, 'Alt+V, T hides the numbers the hint showed');
});

test('access keys need Alt: a plain letter on a button does nothing; keys the game has no use for stay the browser\'s', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  const start = await readBoard(page);
  await byId(page, 'picTile(7)').click();
  for (const button of ['cmdReset', 'cmdNewPuzzle', 'cmdHint']) {
    await byId(page, button).focus();
    for (const letter of ['r', 'R', 'n', 'N', 'h', 'H']) await page.keyboard.press(letter);
    assert.equal(await textOf(page, 'lblMoves'), '1', `letters with the focus on ${button}`);
    assert.equal(await page.locator('dialog[open]').count(), 0, `no message from letters on ${button}`);
  }
  assert.equal(await readBoard(page), start ^ moveMask(1, 7));
  // Shortcuts the game does not have, some of them characters a selector
  // would choke on, change nothing and throw nothing.
  for (const keys of ['Control+Backslash', 'Alt+Shift+Quote', 'Control+Shift+Quote', 'Alt+Backslash', 'Alt+BracketRight', 'Control+Shift+H', 'Alt+F4'])
    await page.keyboard.press(keys);
  assert.equal(await textOf(page, 'lblMoves'), '1');
  await page.keyboard.press('Alt+R');
  assert.equal(await textOf(page, 'lblMoves'), '0', 'Alt+R resets');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdReset', 'an access key gives its button the focus');
  assert.deepEqual(errors, []);
});

test('the arrows hold at all four edges of the board: the stop never leaves it nor wraps to the next row', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  const start = await readBoard(page);
  // From each edge outwards, it stays; along an edge and inwards it moves.
  const cases = [[1, 'ArrowLeft', 1], [1, 'ArrowUp', 1], [3, 'ArrowUp', 3], [5, 'ArrowUp', 5], [5, 'ArrowRight', 5],
                 [15, 'ArrowRight', 15], [25, 'ArrowRight', 25], [25, 'ArrowDown', 25], [23, 'ArrowDown', 23],
                 [21, 'ArrowDown', 21], [21, 'ArrowLeft', 21], [11, 'ArrowLeft', 11], [6, 'ArrowLeft', 6],
                 [10, 'ArrowRight', 10], [5, 'ArrowLeft', 4], [5, 'ArrowDown', 10], [21, 'ArrowUp', 16],
                 [21, 'ArrowRight', 22], [1, 'ArrowRight', 2], [1, 'ArrowDown', 6], [25, 'ArrowUp', 20],
                 [25, 'ArrowLeft', 24]];
  for (const [from, key, to] of cases) {
    await byId(page, `picTile(${from})`).focus();
    await page.keyboard.press(key);
    assert.equal(await page.evaluate(() => document.activeElement.id), `picTile(${to})`, `${key} from tile ${from}`);
  }
  assert.equal(await page.evaluate(() => [scrollX, scrollY].join()), '0,0', 'the page did not scroll');
  assert.equal(await textOf(page, 'lblMoves'), '0', 'moving the stop plays nothing');
  assert.equal(await readBoard(page), start);
});
