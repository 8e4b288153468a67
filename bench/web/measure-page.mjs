// SPDX-License-Identifier: GPL-3.0-or-later
// The page's figures in headless Chromium, medians: what a first visit
// downloads (from Chromium's network log, the service worker's fetches
// included, from a server that compresses with gzip), navigation to the
// splash painted, and a tile click to the board repainted.
// node bench/web/measure-page.mjs [runs] [clicks]
import { startBrowser, newContext } from '../../tests/web/browser.mjs';
import { firstVisitNetwork } from '../../tests/web/network-log.mjs';

const runs = Number(process.argv[2] ?? 15);
const clicks = Number(process.argv[3] ?? 1000);

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// Marks the frame after the splash was drawn: the splash's frame has been
// produced once a task queued from the next animation frame runs.
const markSplashPainted = () => {
  new PerformanceObserver((list) => {
    if (list.getEntries().some((entry) => entry.name === 'tenebrix-splash'))
      requestAnimationFrame(() => setTimeout(() => performance.mark('splash-painted'), 0));
  }).observe({type: 'mark'});
};
const splashPainted = (page) => page.waitForFunction(
  () => performance.getEntriesByName('splash-painted')[0]?.startTime, null, {timeout: 20_000})
  .then((handle) => handle.jsonValue());

async function firstVisit(browser, site) {
  const context = await newContext(browser);
  const page = await context.newPage();
  await page.addInitScript(markSplashPainted);
  site.requests.length = 0;
  await page.goto(site.url);
  const painted = await splashPainted(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => caches.keys().then((names) => names.length === 1), null, {timeout: 20_000});
  // A second visit, the files from the service worker.
  await page.reload();
  const repainted = await splashPainted(page);
  await context.close();
  return {painted, repainted};
}

// Clicks random tiles from inside the page, timed in batches of 20 since the
// page's clock counts in steps of 0.1 ms: the click handler repaints the
// board's canvases before it returns. A batch with a winning click (a
// message box opens) is not counted.
async function clickTimes(browser, site) {
  const context = await newContext(browser);
  const page = await context.newPage();
  await page.goto(site.url);
  await page.locator('[id="frmMain"]').waitFor({timeout: 20_000});
  return page.evaluate(async (clicks) => {
    const BATCH = 20;
    const perClick = [], toFrame = [];
    const moves = document.getElementById('lblMoves');
    const nextFrame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
    const tiles = Array.from({length: 25}, (_, i) => document.getElementById(`picTile(${i + 1})`));
    for (let tries = 0; perClick.length * BATCH < clicks && tries < clicks; ++tries) {
      const batch = Array.from({length: BATCH}, () => tiles[Math.floor(Math.random() * 25)]);
      const before = Number(moves.textContent);
      const start = performance.now();
      for (const tile of batch) tile.click();
      const end = performance.now();
      if (document.querySelector('dialog#msgBox[open]')) {
        document.getElementById('msgOK').click();
        await nextFrame();
        continue;
      }
      if (Number(moves.textContent) !== before + BATCH) throw new Error('a click was not counted');
      perClick.push((end - start) / BATCH);
      const frameStart = performance.now();
      tiles[12].click();
      await nextFrame();
      if (!document.querySelector('dialog#msgBox[open]')) toFrame.push(performance.now() - frameStart);
      else { document.getElementById('msgOK').click(); await nextFrame(); }
    }
    return {times: perClick, toFrame};
  }, clicks);
}

const t = {after(cleanup) { this.cleanup = cleanup; }};
const {browser, site} = await startBrowser(t, {gzip: true});
try {
  // In English, which needs no catalogue, and in German, which fetches its own.
  for (const locale of ['en-US', 'de-DE']) {
    const {received, serverPaths} = await firstVisitNetwork(browser, site, {locale});
    const total = received.reduce((sum, {bytes}) => sum + bytes, 0);
    console.log(`First visit (${locale}), Chromium's network log, gzip: ${(total / 1024).toFixed(1)} KiB in ${received.length} responses`);
    for (const {url, by, bytes} of received.sort((a, b) => b.bytes - a.bytes))
      console.log(`  ${url} (${by}): ${(bytes / 1024).toFixed(1)} KiB`);
    // The worker's own script is fetched by the browser itself, outside
    // both logs; the server's list shows it, and any other request missed.
    const logged = received.map(({url}) => url);
    const unlogged = [];
    for (const asked of serverPaths) {
      const at = logged.indexOf(asked);
      if (at < 0) unlogged.push(asked); else logged.splice(at, 1);
    }
    console.log(`  asked of the server but not in the log: ${unlogged.join(' ') || 'none'}`);
  }

  const visits = [];
  for (let run = 0; run < runs; ++run) visits.push(await firstVisit(browser, site));
  const {times, toFrame} = await clickTimes(browser, site);

  console.log(`Navigation to splash painted, first visit: ${median(visits.map((v) => v.painted)).toFixed(1)} ms median of ${runs}` +
              ` (${Math.min(...visits.map((v) => v.painted)).toFixed(1)} to ${Math.max(...visits.map((v) => v.painted)).toFixed(1)})`);
  console.log(`Navigation to splash painted, from the service worker: ${median(visits.map((v) => v.repainted)).toFixed(1)} ms median of ${runs}`);
  console.log(`Tile click to board repainted: ${(1000 * median(times)).toFixed(0)} µs median of ${times.length} ` +
              `batches of 20, slowest batch ${(1000 * Math.max(...times)).toFixed(0)} µs a click`);
  console.log(`Tile click to the next frame: ${median(toFrame).toFixed(2)} ms median, ${toFrame.length} clicks`);
} finally {
  await t.cleanup();
}
