// SPDX-License-Identifier: GPL-3.0-or-later
// The page in the player's language: the browser's languages choose the one
// catalogue the page fetches (none for English, English when it cannot be
// had); every caption, menu, shortcut and screen-reader name is written
// from it; Alt with the translated caption's letter, in any script, runs
// each button and menu; the status bar writes the date and time the
// player's way; offline, the page keeps the language last used and no other.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { startBrowser } from './browser.mjs';
import { openGame, byId, textOf, clickTile, readMessage, answer, passSplash } from './game.mjs';

const isLanguageFile = (address) => address.startsWith('/locale/') || /^\/Tenebrix\.[^.]+\.html$/.test(address);
const languageOf = (address) => address.match(/^\/(?:locale\/|Tenebrix\.)([^./]+)\./)[1];

// The letter each control's caption underlines.
const underlined = (page, ids) => page.evaluate((ids) => ids.map((id) =>
  document.getElementById(id).querySelector('u')?.textContent ?? ''), ids);

async function readsGerman(page) {
  assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, document.title]), ['de', 'Tenebrix']);
  assert.equal(await byId(page, 'cmdNewPuzzle').innerHTML(), '<u>N</u>eues Rätsel');
  assert.equal(await byId(page, 'mnuFile').innerHTML(), '<u>D</u>atei');
}

test('the page speaks the browser\'s language from the one catalogue it fetches; English fetches none', async (t) => {
  const {browser, site} = await startBrowser(t);
  const german = await openGame(browser, site, {locale: 'de-AT'});
  await readsGerman(german);
  assert.equal(await german.locator('[id="mnuHint"] .shortcut').textContent(), 'Strg+H');
  assert.equal(await german.locator('[id="cmdHint"]').getAttribute('aria-keyshortcuts'), 'Alt+T');
  // What a screen reader hears: the accessibility tree's names.
  assert.equal(await german.getByRole('button', {name: /^Feld 7, (dunkel|leuchtet)$/}).count(), 1);
  assert.equal(await german.getByRole('scrollbar', {name: 'Modus'}).count(), 1);
  assert.equal(await german.getByRole('menubar', {name: 'Menüleiste'}).count(), 1);
  assert.equal(await german.getByRole('group', {name: 'Rätsel-Einstellungen'}).count(), 1);
  assert.equal(await textOf(german, 'Panels(1)'), 'Statusleiste');
  await byId(german, 'cmdHint').click();
  const hint = await readMessage(german);
  assert.equal(hint.title, 'Tipp');
  assert.match(hint.text, /^Versuch's doch mal mit Feld Nummer: +\d+$/);
  await answer(german, 'msgOK');
  // Help > How to Play opens the German help page.
  const [help] = await Promise.all([german.waitForEvent('popup'), byId(german, 'mnuHelp').click()
    .then(() => byId(german, 'mnuHelpContents').click())]);
  // The new tab's address is known once it has begun loading, not when it opens.
  await help.waitForURL(/\/Tenebrix\.de\.html#contents$/, {timeout: 10_000});
  await help.close();
  // German only, of all the languages the site has.
  const fetched = site.requests.filter(isLanguageFile);
  assert.ok(fetched.includes('/locale/de.mo'));
  assert.deepEqual([...new Set(fetched.map(languageOf))], ['de']);

  const before = site.requests.length;
  const english = await openGame(browser, site, {locale: 'en-US'});
  assert.deepEqual(site.requests.slice(before).filter((address) => address.startsWith('/locale/')), []);
  assert.equal(await english.evaluate(() => document.documentElement.lang), 'en');
  assert.equal(await byId(english, 'cmdNewPuzzle').innerHTML(), '<u>N</u>ew Puzzle');

  // The catalogue fails to arrive, or arrives damaged: English, playable.
  for (const fail of [(route) => route.abort(), (route) => route.fulfill({status: 404}),
                      (route) => route.fulfill({status: 200, body: 'not a catalogue'})]) {
    const page = await openGame(browser, site, {locale: 'de-DE', prepare: (page) => page.route('**/locale/*', fail)});
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    assert.equal(await byId(page, 'cmdNewPuzzle').innerHTML(), '<u>N</u>ew Puzzle');
    await clickTile(page, 13);
    assert.equal(await textOf(page, 'lblMoves'), '1');
  }
});

// A key as a keyboard with that layout sends it: `key` the character,
// `code` the key's place.
async function pressKey(page, key, code, modifiers) {
  const session = await page.context().newCDPSession(page);
  for (const type of ['rawKeyDown', 'keyUp'])
    await session.send('Input.dispatchKeyEvent', {type, key, code, modifiers});
  await session.detach();
}
const ALT = 1, CTRL = 2;

test('Alt + the translated caption\'s letter runs each button and menu: German, and Russian in Cyrillic', async (t) => {
  const {browser, site} = await startBrowser(t);
  for (const {locale, script} of [{locale: 'de-DE', script: /^[A-ZÄÖÜ]$/}, {locale: 'ru-RU', script: /^[А-ЯЁ]$/}]) {
    const page = await openGame(browser, site, {locale});
    const menus = ['mnuFile', 'mnuView', 'mnuHelp'], buttons = ['cmdHint', 'cmdNewPuzzle', 'cmdReset'];
    const keys = await underlined(page, [...menus, ...buttons]);
    t.diagnostic(`${locale}: ${keys.join(' ')}`);
    for (const key of keys) assert.match(key, script, `${locale}: every key in the language's own letters`);
    assert.equal(new Set(keys).size, keys.length, `${locale}: the window's keys differ`);
    // Russian keys come without a Latin letter (no place given): only the
    // Cyrillic character can find the caption.
    const alt = (key) => pressKey(page, key.toLowerCase(), '', ALT);
    for (const [index, menu] of menus.entries()) {
      await alt(keys[index]);
      assert.equal(await byId(page, menu).getAttribute('aria-expanded'), 'true', `${locale}: Alt+${keys[index]} opens ${menu}`);
      await page.keyboard.press('Escape');
      await page.keyboard.press('Escape');
    }
    await alt(keys[3]);
    await readMessage(page);  // the hint
    await answer(page, 'msgOK');
    for (const key of [keys[4], keys[5]]) {  // a new puzzle, the same again: no moves made
      await clickTile(page, 13);
      assert.equal(await textOf(page, 'lblMoves'), '1');
      await alt(key);
      assert.equal(await textOf(page, 'lblMoves'), '0', `${locale}: Alt+${key}`);
    }
    if (locale === 'ru-RU') {
      // Ctrl+N on the key that types "т" in the Russian layout: its place
      // gives the Latin letter the shortcut goes by.
      await clickTile(page, 13);
      await pressKey(page, 'т', 'KeyN', CTRL);
      assert.equal(await textOf(page, 'lblMoves'), '0');
    }
    await page.context().close();
  }
});

test('the status bar writes the date and time the player\'s way', async (t) => {
  const {browser, site} = await startBrowser(t);
  const cases = [
    {locale: 'de-DE', date: /^\d\d\.\d\d\.\d\d$/, time: /^\d\d:\d\d$/},
    {locale: 'en-US', date: /^\d{1,2}\/\d{1,2}\/\d\d$/, time: /^\d{1,2}:\d\d\s?[AP]M$/},
    {locale: 'ja-JP', date: /^\d{4}\/\d\d\/\d\d$/, time: /^\d{1,2}:\d\d$/},
  ];
  for (const {locale, date, time} of cases) {
    const page = await openGame(browser, site, {locale});
    assert.match(await textOf(page, 'Panels(2)'), date, locale);
    assert.match(await textOf(page, 'Panels(3)'), time, locale);
    await page.context().close();
  }
});

test('offline, the page keeps the language last used, and no other', async (t) => {
  const {browser, site} = await startBrowser(t, {persistent: true, locale: 'de-DE'});
  const page = await openGame(browser, site);
  await readsGerman(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const keptLanguageFiles = () => page.evaluate(async () => {
    const kept = [];
    for (const name of await caches.keys()) {
      for (const request of await (await caches.open(name)).keys()) kept.push(new URL(request.url).pathname);
    }
    return kept;
  }).then((kept) => kept.filter(isLanguageFile).sort());
  let kept = [];
  for (let tries = 0; tries < 100 && kept.length < 2; ++tries) {
    await new Promise((resolve) => setTimeout(resolve, 100));
    kept = await keptLanguageFiles();
  }
  assert.deepEqual(kept, ['/Tenebrix.de.html', '/locale/de.mo']);

  site.setOffline(true);
  await page.context().setOffline(true);
  await page.reload();
  await passSplash(page);
  await readsGerman(page);
  site.setOffline(false);
  await page.context().setOffline(false);
});
