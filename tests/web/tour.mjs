// SPDX-License-Identifier: GPL-3.0-or-later
// The screenshot tour of the page (run by scripts/web-tour): one start of
// the game in headless Chromium, played from the keyboard and the mouse
// through the splash, the menus, the About box and the message boxes, one
// PNG of the page's viewport at each stop. Every stop is reached by what
// the page shows (which logo frame, which box is open, its text), never by
// waiting alone; the splash's frames are checked again after their shots.
//
// Runs repeat to the pixel: the page's wall clock (Date) stands still at one
// fixed moment, so the game's random seed and the status bar's date and
// time never change, while its timers (the splash's ticks) run as usual.
// The locale and time zone are fixed too, for the status bar, and the
// pointer takes the same path every time.
//
// In another language (LANGUAGE: "de", "ja", "en@pseudo") the browser
// speaks it (the pseudo-language, which no browser speaks, is asked for in
// the address) and the stops are found by the windows' names, the keys by
// the letters the captions underline, the board by its pictures, rather
// than by their English texts.
//
// node tour.mjs SITE_DIR OUT_DIR [DEVICE_PIXEL_RATIO [LANGUAGE]]
import { chromium } from 'playwright-core';
import fs from 'node:fs';
import path from 'node:path';
import { PNG } from 'pngjs';
import { LAUNCH } from './browser.mjs';
import { serveSite } from './server.mjs';
import { moveMask, TILES } from './rules.mjs';

const FIXED_TIME = new Date('2026-12-07T12:00:00Z');
// Room for the game window and its boxes with some desktop around them.
const VIEWPORT = {width: 640, height: 480};
const STEP_TIMEOUT_MS = 15_000;

const [siteDir, outDir, dprArgument = '1', language = 'en'] = process.argv.slice(2);
const dpr = Number(dprArgument);
const english = language === 'en';
const pseudo = language.includes('@');
// The browser's language: "de" -> "de-DE", "pt_BR" -> "pt-BR".
const LOCALES = {en: 'en-US', de: 'de-DE', ja: 'ja-JP', ko: 'ko-KR', zh_CN: 'zh-CN', pt_BR: 'pt-BR'};
const locale = pseudo ? 'en-US' : LOCALES[language] ?? language.replace('_', '-');
if (!siteDir || !outDir || !(dpr > 0) || !/^[a-z]{2,3}(_[A-Z]{2})?(@[a-z]+)?$/.test(language)) {
  console.error('usage: node tour.mjs SITE_DIR OUT_DIR [DEVICE_PIXEL_RATIO [LANGUAGE]]');
  process.exit(2);
}
if (!fs.existsSync(path.join(siteDir, 'index.html'))) {
  console.error(`web-tour: no built site in ${siteDir} (index.html is missing); run scripts/web --build-only`);
  process.exit(1);
}

const byId = (page, id) => page.locator(`[id="${id}"]`);
const visible = (page, id) => page.evaluate((id) => {
  const element = document.getElementById(id);
  return !!element && element.checkVisibility();
}, id);

// A stop that cannot be reached ends the tour with its name.
// The splash's stops last half a second each on the page's own timers: on
// a machine too busy to take a picture in that time the tour starts again.
class Unreached extends Error {}
class TooSlow extends Unreached {}
function check(condition, what, Failure = Unreached) {
  if (!condition) throw new Failure(what);
}
async function reach(name, steps) {
  try {
    await steps();
  } catch (error) {
    const Failure = error instanceof TooSlow ? TooSlow : Unreached;
    throw new Failure(`could not reach ${name}: ${error.message.split('\n')[0]}`);
  }
}

// The viewport's picture, saved as `name`.png when named, and decoded.
async function shoot(page, name) {
  const png = await page.screenshot({animations: 'disabled', caret: 'hide'});
  if (name) fs.writeFileSync(path.join(outDir, `${name}.png`), png);
  return PNG.sync.read(png);
}

// An element's box in device pixels.
const deviceBox = (page, id) => page.evaluate((id) => {
  const box = document.getElementById(id).getBoundingClientRect();
  const [x, y] = [box.left, box.top].map((v) => Math.floor(v * devicePixelRatio));
  const [right, bottom] = [box.right, box.bottom].map((v) => Math.ceil(v * devicePixelRatio));
  return {x, y, width: right - x, height: bottom - y};
}, id);

const inside = (box, x, y) => x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
// Whether two pictures of the viewport agree everywhere outside `box`.
function sameOutside(a, b, box = {x: 0, y: 0, width: 0, height: 0}) {
  for (let y = 0; y < a.height; ++y)
    for (let x = 0; x < a.width; ++x)
      if (!inside(box, x, y))
        for (let i = 4 * (y * a.width + x), c = 0; c < 3; ++c, ++i)
          if (a.data[i] !== b.data[i]) return false;
  return true;
}
// Whether a lit (yellow) logo cell shows in `box`.
function showsLitCell(image, box) {
  for (let y = box.y; y < box.y + box.height; ++y)
    for (let x = box.x; x < box.x + box.width; ++x) {
      const i = 4 * (y * image.width + x);
      if (image.data[i] > 200 && image.data[i + 1] > 200 && image.data[i + 2] < 80) return true;
    }
  return false;
}

// The logo frames the splash shows (normally one).
const logoFrames = (page) => page.evaluate(() => [0, 1, 2, 3, 4, 5].filter((k) =>
  document.getElementById(`picLogo(${k})`).checkVisibility()));

// The board as the page names its tiles: bit t-1 set for a lit tile t. In
// another language, by the picture each tile shows: the tile sets' lit
// pictures have odd numbers.
async function readBoard(page) {
  let board = 0;
  for (const tile of TILES) {
    if (!english) {
      const key = await page.locator(`[id="picTile(${tile})"] canvas`).getAttribute('data-key');
      check(/^\d+$/.test(key ?? ''), `tile ${tile} shows a picture`);
      if (Number(key) % 2 === 1) board |= 1 << (tile - 1);
      continue;
    }
    const label = await byId(page, `picTile(${tile})`).getAttribute('aria-label');
    const match = /^Tile (\d+), (lit|dark)$/.exec(label ?? '');
    check(match && Number(match[1]) === tile, `tile ${tile} is named "${label}"`);
    if (match[2] === 'lit') board |= 1 << (tile - 1);
  }
  return board;
}

// The letter a caption underlines: the key that runs it.
const keyOf = (page, id) => page.locator(`[id="${id}"] u`).first().textContent();

// The two distinct tiles whose moves (mode 1) turn the board dark.
function solvingPair(board) {
  for (const first of TILES)
    for (const second of TILES.filter((t) => t > first))
      if ((moveMask(1, first) ^ moveMask(1, second)) === board) return [first, second];
  throw new Unreached(`no two moves solve the board ${board.toString(2).padStart(25, '0')}`);
}

// The pointer moves as a hand moves it, a few pixels at a time, crossing
// the bare window between tiles (which takes a move's preview off) rather
// than jumping from tile to tile.
const pointer = {x: 0, y: 0};
async function glide(page, x, y) {
  const steps = Math.max(1, Math.ceil(Math.hypot(x - pointer.x, y - pointer.y) / 4));
  await page.mouse.move(x, y, {steps});
  Object.assign(pointer, {x, y});
}
async function clickTile(page, tile) {
  const box = await byId(page, `picTile(${tile})`).boundingBox();
  check(box, `tile ${tile} on the screen`);
  await glide(page, Math.round(box.x + box.width / 2), Math.round(box.y + box.height / 2));
  await page.mouse.click(pointer.x, pointer.y);
}

// The open message box's text and buttons.
async function openMessage(page) {
  await page.locator('dialog#msgBox[open]').waitFor();
  const buttons = [];
  for (const id of ['msgOK', 'msgYes', 'msgNo'])
    if (await byId(page, id).isVisible()) buttons.push(id);
  return {text: await byId(page, 'msgText').textContent(), buttons};
}
async function closeMessage(page, key) {
  await page.keyboard.press(key);
  await page.locator('dialog#msgBox[open]').waitFor({state: 'detached'});
}

// The menu `menu` dropped down with its first item in the focus.
async function checkMenu(page, menu) {
  const state = await page.evaluate(() => {
    const open = [...document.querySelectorAll('.menutitle')].filter((t) => t.getAttribute('aria-expanded') === 'true');
    const first = open[0]?.nextElementSibling.querySelector('.item');
    return {open: open.map((t) => t.id),
            firstFocused: !!first && document.activeElement === first,
            shown: !!first && first.checkVisibility()};
  });
  check(state.open.length === 1 && state.open[0] === menu && state.shown && state.firstFocused,
        `the ${menu} menu open with its first item highlighted (menus open: ${state.open.join(', ') || 'none'})`);
}
async function closeMenu(page) {
  await page.keyboard.press('Escape');
  await page.locator('.menutitle[aria-expanded="true"]').waitFor({state: 'detached'});
}

// The pointer at the desktop's top left corner, off every window.
const parkPointer = (page) => glide(page, 1, 1);

// "Level:  2" in any language.
const atLevel2 = (text) => (english ? text === 'Level:  2' : /\D2\]?$/.test(text));

async function tour(page, site) {
  let hint, early, first, remark;
  await reach('01-splash-first', async () => {
    // The program is held back until the page has painted its splash once
    // (with the logo's first frame it carries itself) and a first picture
    // has been taken: the program's frame 0 lasts one second only.
    let releaseProgram;
    const programHeld = new Promise((resolve) => { releaseProgram = resolve; });
    await page.route('**/tenebrix.wasm', async (route) => { await programHeld; await route.continue(); });
    await page.goto(pseudo ? `${site.url}?lang=${language}` : site.url);
    await byId(page, 'frmSplash').waitFor();
    await page.waitForFunction(() => document.fonts.status === 'loaded');
    early = await shoot(page);
    releaseProgram();
    // The program running: it draws every logo frame as it starts, the
    // page only frame 0 before (the page's performance marks are out of
    // reach under a fixed clock).
    await page.waitForFunction(() => {
      const last = document.getElementById('picLogo(5)').querySelector('canvas');
      const {data} = last.getContext('2d').getImageData(0, 0, last.width, last.height);
      return data.some((value, index) => index % 4 === 3 && value !== 0);
    }, null, {polling: 10});
    check((await logoFrames(page)).join() === '0', 'the splash with logo frame 0', TooSlow);
    first = await shoot(page, '01-splash-first');
    // Frame 0 still up after the picture, or the picture the same as the
    // one before the program started: frame 0 is what it shows.
    const held = (await logoFrames(page)).join() === '0' && !(await visible(page, 'frmMain'));
    check(held || sameOutside(first, early), 'logo frame 0 held while its picture was taken', TooSlow);
  });
  await reach('02-splash-last', async () => {
    await page.waitForFunction(() => document.getElementById('picLogo(5)').checkVisibility(), null, {polling: 10});
    const logo = await deviceBox(page, 'picLogo(5)');
    const last = await shoot(page, '02-splash-last');
    // Frame 5 still up after the picture, or the picture the splash of the
    // first one with no lit cell in the logo: frame 5 is what it shows.
    const held = (await logoFrames(page)).join() === '5' && !(await visible(page, 'frmMain'));
    check(held || (sameOutside(last, first, logo) && !showsLitCell(last, logo)),
          'logo frame 5 held while its picture was taken', TooSlow);
  });
  await reach('03-main', async () => {
    await byId(page, 'frmMain').waitFor();
    check(!(await visible(page, 'frmSplash')), 'the splash gone');
    check(atLevel2(await byId(page, 'lblLevel').textContent()), 'the game at level 2');
    await parkPointer(page);
    await shoot(page, '03-main');
  });
  const viewKey = `Alt+${await keyOf(page, 'mnuView')}`;
  for (const [name, menu, keys] of [['04-menu-file', 'mnuFile', ['F10']], ['05-menu-view', 'mnuView', [viewKey]],
                                    ['06-menu-help', 'mnuHelp', ['F10', 'ArrowLeft']]]) {
    await reach(name, async () => {
      for (const key of keys) await page.keyboard.press(key);
      await checkMenu(page, menu);
      await shoot(page, name);
      await closeMenu(page);
    });
  }
  await reach('07-about', async () => {
    await page.keyboard.press('F10');
    await page.keyboard.press('ArrowLeft');
    await checkMenu(page, 'mnuHelp');
    await page.keyboard.press(await keyOf(page, 'mnuHelpAbout'));
    await page.locator('dialog#frmAbout[open]').waitFor();
    await page.waitForFunction(() => document.activeElement?.id === 'cmdOK');
    await shoot(page, '07-about');
  });
  await reach('08-msg-sysinfo', async () => {
    await page.keyboard.press(`Alt+${await keyOf(page, 'cmdSysInfo')}`);
    const message = await openMessage(page);
    check(english ? message.text.includes('System Information Is Unavailable At This Time')
                  : message.buttons.join() === 'msgOK', `the message "${message.text}"`);
    await shoot(page, '08-msg-sysinfo');
    await closeMessage(page, 'Enter');
    // Alt+S gave System Info the focus, which it has again once the message is gone.
    await page.waitForFunction(() => document.activeElement?.id === 'cmdSysInfo');
    await page.keyboard.press('Escape');
    await page.locator('dialog#frmAbout[open]').waitFor({state: 'detached'});
  });
  await reach('09-msg-hint', async () => {
    await page.keyboard.press('Control+H');
    const message = await openMessage(page);
    const match = (english ? /Why don't you try tile number: {2}(\d+)/ : /(\d+)/).exec(message.text);
    check(match && message.buttons.join() === 'msgOK', `the hint, not "${message.text}"`);
    hint = Number(match[1]);
    await shoot(page, '09-msg-hint');
    await closeMessage(page, 'Enter');
  });
  await reach('10-msg-remark', async () => {
    for (const tile of solvingPair(await readBoard(page))) await clickTile(page, tile);
    const message = await openMessage(page);
    check((english ? message.text.trimEnd().endsWith('Of course you did get a hint or two!!!')
                   : message.text.trim().includes('\n')) &&
          message.buttons.join() === 'msgOK', `the win with a hint, not "${message.text}"`);
    remark = message.text.trimEnd().split('\n').pop();
    await shoot(page, '10-msg-remark');
    await closeMessage(page, 'Enter');
  });
  await reach('11-msg-levelup', async () => {
    for (const tile of solvingPair(await readBoard(page))) await clickTile(page, tile);
    const message = await openMessage(page);
    check(message.buttons.join() === 'msgYes,msgNo', `the level-up offer, not "${message.text}"`);
    await shoot(page, '11-msg-levelup');
    // No: in English by its letter; in any language from its button, which
    // may answer to a letter no keyboard here types (Japanese "いいえ").
    if (english) await closeMessage(page, 'N');
    else {
      await page.keyboard.press('Tab');
      await closeMessage(page, 'Enter');
    }
    check(atLevel2(await byId(page, 'lblLevel').textContent()), 'the level still 2 after No');
  });
  await reach('12-msg-win', async () => {
    const pair = solvingPair(await readBoard(page));
    // One tile twice first, the two solving tiles after: four moves.
    for (const tile of [13, 13, ...pair]) await clickTile(page, tile);
    const message = await openMessage(page);
    check(message.buttons.join() === 'msgOK' && !message.text.includes(english ? 'hint' : remark),
          `the plain win, not "${message.text}"`);
    check(await byId(page, 'lblMoves').textContent() === '4', 'four moves made');
    await shoot(page, '12-msg-win');
    await closeMessage(page, 'Enter');
  });
  await reach('13-main-after', async () => {
    await parkPointer(page);
    check(await byId(page, 'lblMoves').textContent() === '0', 'a new puzzle with no moves yet');
    await shoot(page, '13-main-after');
  });
  return hint;
}

const ATTEMPTS = 3;
const NAMES = ['01-splash-first', '02-splash-last', '03-main', '04-menu-file', '05-menu-view', '06-menu-help',
               '07-about', '08-msg-sysinfo', '09-msg-hint', '10-msg-remark', '11-msg-levelup', '12-msg-win',
               '13-main-after'];
fs.mkdirSync(outDir, {recursive: true});
// A run that stops half way leaves no pictures of an earlier one beside its own.
for (const name of NAMES) fs.rmSync(path.join(outDir, `${name}.png`), {force: true});
const site = await serveSite(siteDir);
let browser, status = 1;
try {
  browser = await chromium.launch(LAUNCH);
  for (let attempt = 1; attempt <= ATTEMPTS && status !== 0; ++attempt) {
    const context = await browser.newContext({viewport: VIEWPORT, deviceScaleFactor: dpr,
                                              locale, timezoneId: 'UTC'});
    context.setDefaultTimeout(STEP_TIMEOUT_MS);
    Object.assign(pointer, {x: 0, y: 0});
    try {
      const page = await context.newPage();
      const pageErrors = [];
      page.on('pageerror', (error) => pageErrors.push(error.message));
      await page.clock.setFixedTime(FIXED_TIME);
      const hint = await tour(page, site);
      check(pageErrors.length === 0, `no script errors on the page: ${pageErrors.join('; ')}`);
      check(NAMES.every((name) => fs.existsSync(path.join(outDir, `${name}.png`))), 'every picture saved');
      console.log(`web-tour: ${NAMES.length} pictures in ${outDir} at device pixel ratio ${dpr} in ${language}; the hint was tile ${hint}`);
      status = 0;
    } catch (error) {
      if (!(error instanceof TooSlow) || attempt === ATTEMPTS) throw error;
      console.error(`web-tour: ${error.message}; starting again`);
    } finally {
      await context.close();
    }
  }
} catch (error) {
  console.error(`web-tour: ${error instanceof Unreached ? error.message : error.stack}`);
  status = 1;
} finally {
  await browser?.close();
  await site.close();
}
process.exit(status);
