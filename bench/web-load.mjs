// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser build's load and memory (make web-bench), on localhost, in the engine WEB_ENGINE
// names (Chromium by default, as tests/web/browser.mjs): the bytes a first visit transfers
// (brotli, and gzip alone as most servers send it), the time from navigation to the splash
// screen's first frame on a first visit and on a visit from the service worker's cache (median
// of RUNS fresh browsers), and in Chromium the memory after a tour of every activity.
//   RUNS=5 WEB_ENGINE=firefox node bench/web-load.mjs   (WEB_SITE: the site, build-web/site)

import fs from 'node:fs';

import {
  engine, firstFrame, pause, startBrowser, waitFor,
} from '../tests/web/browser.mjs';
import { at, candidate } from '../tests/web/screens.mjs';

const runs = Number(process.env.RUNS ?? 5);
const mib = (bytes) => `${(bytes / 1048576).toFixed(1)} MiB`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// One first visit and one later visit in a fresh browser: { bytes, cold, cached }.
async function visit(encodings) {
  const browser = await startBrowser({}, { encodings });
  try {
    const page = await browser.newPage();
    await page.goto(browser.site.url);
    const cold = await firstFrame(page);
    await waitFor(page, () => navigator.serviceWorker.controller !== null, null, 'service worker');
    const bytes = browser.site.bytesSent();
    await page.reload();
    return { bytes, cold, cached: await firstFrame(page), page, browser };
  } catch (error) {
    await browser.close();
    throw error;
  }
}

async function tour(page) {
  const click = ([x, y]) => page.mouseClick(x, y);
  await pause(3500);
  await click(at.menuWrite);
  for (const answer of ['0.5', '0.07']) {
    await click(at.writeAnswerBox);
    await page.type(answer);
    await click(at.writeButton);
    await pause(3300);
  }
  await click(at.writeReturn);
  await click(at.menuChoose);
  for (const place of ['tenths', 'thousandths']) {
    await click(candidate[place]);
    await pause(3300);
  }
  await click(at.chooseReturn);
  await click(at.menuReading);
  for (let i = 0; i < 5; ++i) {
    await page.press('Enter');
  }
  await click(at.readingReturn);
  await pause(500);
}

// The resident and proportional (shared pages split among their users) memory of this browser's
// renderer processes, the page's the largest; its processes carry the profile's folder.
function rendererMemory(profile) {
  const result = [];
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const command = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8').replaceAll('\0', ' ');
      if (!command.includes(profile) || !command.includes('--type=renderer')) {
        continue;
      }
      const rollup = fs.readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8');
      const kib = (name) => Number(new RegExp(`^${name}:\\s+(\\d+)`, 'm').exec(rollup)[1]);
      result.push({ rss: kib('Rss') * 1024, pss: kib('Pss') * 1024 });
    } catch {
      // a process that ended meanwhile
    }
  }
  return result.sort((a, b) => b.pss - a.pss)
    .map(({ rss, pss }) => `${mib(rss)} resident (${mib(pss)} proportional)`).join(', ');
}

const results = { br: [], gzip: [] };
for (let run = 0; run < runs; ++run) {
  for (const [name, encodings] of [['br', ['br', 'gzip']], ['gzip', ['gzip']]]) {
    const { bytes, cold, cached, browser } = await visit(encodings);
    results[name].push({ bytes, cold, cached });
    await browser.close();
  }
}
for (const [name, list] of Object.entries(results)) {
  console.log(`${engine.name}, ${name}: first visit ${median(list.map((r) => r.bytes))} bytes; first frame ` +
              `cold ${median(list.map((r) => r.cold)).toFixed(0)} ms, from the service worker ` +
              `${median(list.map((r) => r.cached)).toFixed(0)} ms (medians of ${runs}; cold ` +
              `${list.map((r) => r.cold.toFixed(0)).join(' ')}, cached ` +
              `${list.map((r) => r.cached.toFixed(0)).join(' ')})`);
}

if (engine.name === 'chromium') {
  const { page, browser } = await visit(['br', 'gzip']);
  try {
    await tour(page);
    const session = await browser.devtools(page);
    await session.send('HeapProfiler.collectGarbage');
    await session.send('Performance.enable');
    const { metrics } = await session.send('Performance.getMetrics');
    const metric = (name) => metrics.find((m) => m.name === name)?.value ?? 0;
    const wasm = await page.evaluate(() => self.module?.HEAP8?.length ?? 0);
    console.log(`after a tour: wasm memory ${mib(wasm)}, JavaScript heap ` +
                `${mib(metric('JSHeapUsedSize'))} used of ${mib(metric('JSHeapTotalSize'))}, ` +
                `renderers: ${rendererMemory(browser.profile)}`);
  } finally {
    await browser.close();
  }
}
