// SPDX-License-Identifier: GPL-3.0-or-later
// What a first visit downloads, from Chromium's own network log: the CDP
// Network events of the page and of every service worker it starts (the
// worker is attached before it runs, so its first fetch is logged too).
// Each response is counted with the bytes the browser received for it,
// headers included, as the server sent them (gzip-compressed when the
// server compresses). Answers the browser made up itself (from its HTTP
// cache, from the service worker, data: addresses) cost nothing and are
// left out.
import { newContext } from './browser.mjs';

// Opens `site` in a fresh context and waits until the service worker has
// filled its cache and the network has been quiet for `quietMs`, the
// browser speaking `locale` if given. Returns
// [{url, by: 'page' | 'worker', bytes}] and the server's own list of paths.
export async function firstVisitNetwork(browser, site, {quietMs = 1500, locale} = {}) {
  const context = await newContext(browser, locale ? {locale} : {});
  const page = await context.newPage();
  const session = await context.newCDPSession(page);
  const pending = new Map();  // `${by} ${requestId}` -> url of a response from the network
  const received = [];
  let lastEvent = Date.now();
  const note = (by, method, params) => {
    lastEvent = Date.now();
    const key = `${by} ${params.requestId}`;
    if (method === 'Network.responseReceived') {
      const {url, fromServiceWorker, fromDiskCache, fromPrefetchCache} = params.response;
      if (!fromServiceWorker && !fromDiskCache && !fromPrefetchCache && /^https?:/.test(url)) pending.set(key, url);
    } else if (method === 'Network.loadingFinished' && pending.has(key)) {
      received.push({url: new URL(pending.get(key)).pathname, by, bytes: params.encodedDataLength});
      pending.delete(key);
    }
  };
  let messageId = 0;
  session.on('Target.attachedToTarget', async ({sessionId}) => {
    const send = (method) => session.send('Target.sendMessageToTarget',
      {sessionId, message: JSON.stringify({id: ++messageId, method, params: {}})});
    await send('Network.enable');
    await send('Runtime.runIfWaitingForDebugger');
  });
  session.on('Target.receivedMessageFromTarget', ({message}) => {
    const {method, params} = JSON.parse(message);
    if (method) note('worker', method, params);
  });
  for (const method of ['Network.responseReceived', 'Network.loadingFinished'])
    session.on(method, (params) => note('page', method, params));
  await session.send('Network.enable');
  await session.send('Target.setAutoAttach', {autoAttach: true, waitForDebuggerOnStart: true, flatten: false});

  site.requests.length = 0;
  await page.goto(site.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => caches.keys().then((names) => names.length === 1), null, {timeout: 20_000});
  while (Date.now() - lastEvent < quietMs) await new Promise((resolve) => setTimeout(resolve, 100));
  const serverPaths = [...site.requests];
  await context.close();
  return {received, serverPaths};
}
