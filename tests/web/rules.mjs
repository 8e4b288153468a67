// SPDX-License-Identifier: GPL-3.0-or-later
// The game's rules as the tests know them, written from the rule book rather
// than taken from the game: the move pattern of each mode, and the sets of
// presses that solve a board.

// Mode 1..9: the 3 x 3 square around the pressed tile, row by row, X flipped.
const SHAPES = ['.X.XXX.X.', 'X.X.X.X.X', 'XXX.X.XXX', 'X.XXXXX.X', 'XXX.X..X.',
                '.X..X.XXX', 'X..XXXX..', '..XXXX..X', 'XXXX.XXXX'];

export const TILES = Array.from({length: 25}, (_, i) => i + 1);
export const bit = (tile) => 1 << (tile - 1);

// The tiles a move flips as a board value, clipped at the edges.
export function moveMask(mode, tile) {
  const row = Math.floor((tile - 1) / 5), column = (tile - 1) % 5;
  let mask = 0;
  for (let cell = 0; cell < 9; ++cell) {
    const r = row + Math.floor(cell / 3) - 1, c = column + (cell % 3) - 1;
    if (SHAPES[mode - 1][cell] === 'X' && r >= 0 && r < 5 && c >= 0 && c < 5) mask |= bit(5 * r + c + 1);
  }
  return mask;
}

export const tilesOf = (value) => TILES.filter((tile) => value & bit(tile));
const weight = (presses) => tilesOf(presses).length;

// Every set of presses (a value with bit t-1 for tile t) that turns `board`
// dark in `mode`: Gaussian elimination over GF(2), then each combination of
// the presses that change nothing.
export function solutions(mode, board) {
  const rows = TILES.map((t) => ({presses: bit(t), flips: moveMask(mode, t)}));
  const pivots = [];
  for (let b = 0; b < 25; ++b) {
    const pivot = rows.find((row) => !pivots.includes(row) && (row.flips >> b) & 1);
    if (!pivot) continue;
    for (const row of rows)
      if (row !== pivot && (row.flips >> b) & 1) { row.flips ^= pivot.flips; row.presses ^= pivot.presses; }
    pivots.push(pivot);
  }
  let reached = 0, presses = 0;
  for (const row of pivots) {
    const lowest = row.flips & -row.flips;
    if ((board ^ reached) & lowest) { reached ^= row.flips; presses ^= row.presses; }
  }
  if (reached !== board) return [];
  const harmless = rows.filter((row) => row.flips === 0).map((row) => row.presses);
  return Array.from({length: 1 << harmless.length}, (_, pick) =>
    harmless.reduce((sum, h, i) => ((pick >> i) & 1 ? sum ^ h : sum), presses));
}

// A solution of exactly `count` presses, as a list of tiles, or undefined.
export function solutionOfSize(mode, board, count) {
  const found = solutions(mode, board).find((presses) => weight(presses) === count);
  return found === undefined ? undefined : tilesOf(found);
}
