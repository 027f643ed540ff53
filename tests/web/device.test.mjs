// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The drill fitted to any view: the design area stands whole, centred (at the edge on a device
// that points with fingers) and as large as the view allows, keeps its proportions and is drawn at the device's resolution, in a window smaller than
// 800 x 600 as well as on a high-density screen and on a phone, upright and turned, whatever the
// engine does with the page's viewport settings.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import {
  designAreaIn, engine, firstFrame, galleryPicture, pause, pointsWithFingers, shot, startBrowser,
  waitFor,
} from './browser.mjs';
import { differingShare } from './pictures.mjs';

// The canvas covers the view and has a pixel for each device pixel: sharp. Where that would be
// less than a pixel to a logical pixel of the screens, which Qt cannot paint, it has one for each
// logical pixel, and the browser shows it shrunk to the view.
async function assertSharp(page, width, height, deviceDensity) {
  const density = Math.max(deviceDensity, 1 / designAreaIn(width, height).scale);
  const canvas = await page.evaluate(() => {
    const box = document.querySelector('canvas').getBoundingClientRect();
    const { width, height } = document.querySelector('canvas');
    return { left: box.left, top: box.top, cssWidth: box.width, cssHeight: box.height, width,
             height, view: [window.innerWidth, window.innerHeight] };
  });
  const report = JSON.stringify(canvas);
  assert.deepEqual(canvas.view, [width, height], report);
  assert.ok(Math.abs(canvas.left) <= 1 && Math.abs(canvas.top) <= 1, report);
  assert.ok(Math.abs(canvas.cssWidth - width) <= 1 && Math.abs(canvas.cssHeight - height) <= 1,
            report);
  assert.ok(Math.abs(canvas.width - width * density) <= density, report);
  assert.ok(Math.abs(canvas.height - height * density) <= density, report);
}

// The menu where the design area stands in that view, at most `tolerance` of its pixels unlike
// the gallery's (more where the area is drawn smaller than designed).
async function assertMenuFits(page, width, height, tolerance) {
  const area = designAreaIn(width, height, await pointsWithFingers(page));
  const menu = galleryPicture('menu');
  const picture = await shot(page, area);
  const share = differingShare(picture, 0, 0, menu);
  assert.ok(share <= tolerance,
            `${width} x ${height}: ${(share * 100).toFixed(2)} % of the menu's pixels differ`);
}

const cases = [
  { name: 'an 800 x 600 window', device: {}, tolerance: 0.0075 },
  { name: 'a 500 x 400 window', device: { width: 500, height: 400 }, tolerance: 0.08 },
  { name: 'a 1024 x 768 window', device: { width: 1024, height: 768 }, tolerance: 0.02 },
  { name: 'a high-density 1280 x 720 window', device: { width: 1280, height: 720, scale: 2 },
    tolerance: 0.02 },
  { name: 'a phone held upright', touchOnly: true, tolerance: 0.08,
    device: { width: 390, height: 844, scale: 3, mobile: true, touch: true },
    turned: { width: 844, height: 390 } },
];

for (const { name, device, tolerance, touchOnly, turned } of cases) {
  test(`${name} shows the whole design area, fitted and sharp`,
       { skip: touchOnly && !engine.canTouch && `${engine.name} emulates no phone` }, async () => {
    const browser = await startBrowser(device);
    try {
      const page = await browser.newPage();
      await page.goto(browser.site.url);
      await firstFrame(page);
      const { width, height, scale } = browser.device;
      await assertSharp(page, width, height, scale);
      await pause(3500); // the splash screen's three seconds
      await assertMenuFits(page, width, height, tolerance);
      if (turned) {
        await page.setViewport(turned.width, turned.height);
        await waitFor(page, (w) => window.innerWidth === w, turned.width, 'turn');
        await pause(300);
        await assertSharp(page, turned.width, turned.height, scale);
        await assertMenuFits(page, turned.width, turned.height, tolerance);
      }
    } finally {
      await browser.close();
    }
  });
}
