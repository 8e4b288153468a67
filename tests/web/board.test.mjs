// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the board as a player would: moves, the counter, hints, new and
// reset, the win messages and the level-up offer, all read from the page.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startBrowser } from './browser.mjs';
import { openGame, byId, textOf, readBoard, clickTile, readMessage, answer, messageOpen, testSeed, showsPicture } from './game.mjs';
import { moveMask, solutionOfSize, tilesOf, TILES } from './rules.mjs';

const winText = (level, moves) => `We have a winner!!\n\nYou have solved this  ${level} move puzzle in ${moves} moves.`;
const arrow = (page, bar, side) => page.locator(`[id="${bar}"] .arrow.${side}`).click();

// Plays `tiles` by clicking, and returns the win message their last click brought.
async function play(page, tiles) {
  for (const tile of tiles) {
    assert.equal(await messageOpen(page), false, 'a message box opened before the puzzle was solved');
    await clickTile(page, tile);
  }
  return readMessage(page);
}

test('each click flips exactly its mode\'s pattern, repaints the board and counts', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  const random = testSeed(t);
  for (let mode = 1; mode <= 9; ++mode) {
    if (mode > 1) await arrow(page, 'ScrollMode', 'right');
    assert.equal(await textOf(page, 'lblMode'), `Mode  ${mode}`);
    assert.equal(await textOf(page, 'lblMoves'), '0', `mode ${mode} starts a new puzzle`);
    for (let k = 1; k <= 9; ++k) assert.equal(await byId(page, `picMode(${k})`).isVisible(), k === mode);
    assert.deepEqual(await showsPicture(page, `picMode(${mode})`, `mode-${mode}`), [], `diagram ${mode}`);
    const tiles = [1, 5, 13, 21, 25, 1 + Math.floor(random() * 25)];
    let board = await readBoard(page);
    for (const [index, tile] of tiles.entries()) {
      await clickTile(page, tile);
      if (await messageOpen(page)) break;  // solved by chance: the next puzzle is on the board
      const after = await readBoard(page);
      assert.deepEqual(tilesOf(after ^ board), tilesOf(moveMask(mode, tile)), `mode ${mode}, tile ${tile}`);
      assert.equal(await textOf(page, 'lblMoves'), String(index + 1));
      board = after;
    }
    if (await messageOpen(page)) {
      // Solved in as many moves as the level by chance: that win also offers
      // the next level (Yes/No); No keeps the level the other modes expect.
      const {buttons} = await readMessage(page);
      await answer(page, buttons.includes('msgNo') ? 'msgNo' : 'msgOK');
    }
  }
});

test('hints name moves still to go; reset keeps the hint, new puzzle forgets it; the messages say so', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  const start = await readBoard(page);
  await clickTile(page, 7);
  await clickTile(page, 19);
  await byId(page, 'cmdReset').click();
  assert.equal(await readBoard(page), start, 'reset brings back the start');
  assert.equal(await textOf(page, 'lblMoves'), '0');

  // Following the hints solves a level-2 puzzle in two moves; the hint costs the offer.
  let message;
  for (let presses = 0; presses < 2; ++presses) {
    await byId(page, 'cmdHint').click();
    const hint = await readMessage(page);
    assert.equal(hint.title, 'Hint');
    const [, tile] = hint.text.match(/^Why don't you try tile number:  (\d+)$/);
    await answer(page, 'msgOK');
    assert.equal(await byId(page, 'lblTileNumbers(25)').isVisible(), true, 'a hint shows the tile numbers');
    assert.equal(await byId(page, 'mnuTileNumbers').getAttribute('aria-checked'), 'true');
    assert.equal(await textOf(page, 'lblMoves'), String(presses), 'a hint is not a move');
    await clickTile(page, Number(tile));
  }
  message = await readMessage(page);
  assert.deepEqual(message, {title: 'Congratulations', buttons: ['msgOK'],
                             text: winText(2, 2) + '\n\nOf course you did get a hint or two!!!'});
  await answer(page, 'msgOK');

  // A hint, then reset, then a shortest solution: still the remark.
  await byId(page, 'cmdHint').click();
  await answer(page, 'msgOK');
  await byId(page, 'cmdReset').click();
  message = await play(page, solutionOfSize(1, await readBoard(page), 2));
  assert.match(message.text, /Of course you did get a hint or two!!!$/);
  await answer(page, 'msgOK');

  // After the win the next puzzle is fresh: solved in two, the offer comes.
  assert.equal(await textOf(page, 'lblMoves'), '0');
  await byId(page, 'cmdHint').click();
  await answer(page, 'msgOK');
  await byId(page, 'cmdNewPuzzle').click();
  message = await play(page, solutionOfSize(1, await readBoard(page), 2));
  assert.deepEqual(message.buttons, ['msgYes', 'msgNo'], 'New Puzzle forgets the hint');
  await answer(page, 'msgNo');
});

test('the level-up offer: Yes raises the level, No keeps it, other move counts get the plain message', async (t) => {
  const {browser, site} = await startBrowser(t);
  const page = await openGame(browser, site);
  // A shortest solution, or with `detour` a tile outside it pressed first and last.
  const solveAtLevel = async (level, detour = false) => {
    const solution = solutionOfSize(1, await readBoard(page), level);
    const extra = detour ? [TILES.find((tile) => !solution.includes(tile))] : [];
    return play(page, [...extra, ...solution, ...extra]);
  };

  let message = await solveAtLevel(2);
  assert.deepEqual(message, {title: 'Congratulations', buttons: ['msgYes', 'msgNo'],
                             text: winText(2, 2) + '\n\nWould you like to move to level  3'});
  await answer(page, 'msgYes');
  assert.equal(await textOf(page, 'lblLevel'), 'Level:  3');
  assert.equal(await textOf(page, 'lblMoves'), '0');
  assert.equal(await byId(page, 'ScrollLevel').getAttribute('aria-valuenow'), '3');

  message = await solveAtLevel(3);
  assert.match(message.text, /level {2}4$/);
  await answer(page, 'msgNo');
  assert.equal(await textOf(page, 'lblLevel'), 'Level:  3', 'No keeps the level');

  // A tile pressed twice undoes itself but counts two: 5 moves at level 3.
  message = await solveAtLevel(3, true);
  assert.deepEqual(message, {title: 'Congratulations', buttons: ['msgOK'], text: winText(3, 5)});
  await answer(page, 'msgOK');
  assert.equal(await textOf(page, 'lblLevel'), 'Level:  3');
});
