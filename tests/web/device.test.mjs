// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The drill on a phone, as Chromium's mobile emulation shows it (a touch screen, three device
// pixels to a CSS pixel, the page's viewport settings followed), and on a high-density desktop
// screen: the design area fits the view whole, keeps its proportions, is drawn at the device's
// resolution and fits again when the device turns; a tap acts as a click and brings up the
// keyboard for the answer box.

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { firstFrame, galleryPicture, startBrowser } from './browser.mjs';
import { differingShare, readPng } from './pictures.mjs';
import { at } from './screens.mjs';

let browser;
let page;

// Where the design area stands in the view, in CSS pixels, and the canvas's own pixels.
const designArea = () => page.evaluate(() => {
  const canvas = document.querySelector('canvas');
  const box = canvas.getBoundingClientRect();
  const zoom = visualViewport.scale;
  return {
    left: (box.left - visualViewport.offsetLeft) * zoom, top: (box.top - visualViewport.offsetTop) * zoom,
    width: box.width * zoom, height: box.height * zoom,
    viewWidth: visualViewport.width * zoom, viewHeight: visualViewport.height * zoom,
    pixels: [canvas.width, canvas.height],
  };
});

// The design area fills the view across or down, keeps 4:3 and stands centred.
function assertFitted(area, dpr) {
  const scale = Math.min(area.viewWidth / 800, area.viewHeight / 600);
  assert.ok(Math.abs(area.width - 800 * scale) <= 4, JSON.stringify(area));
  assert.ok(Math.abs(area.height - 600 * scale) <= 3, JSON.stringify(area));
  assert.ok(Math.abs(area.left - (area.viewWidth - area.width) / 2) <= 2, JSON.stringify(area));
  assert.ok(Math.abs(area.top - (area.viewHeight - area.height) / 2) <= 2, JSON.stringify(area));
  // One canvas pixel to a device pixel: sharp.
  assert.ok(Math.abs(area.pixels[0] - area.width * dpr) <= 2 * dpr, JSON.stringify(area));
  assert.ok(Math.abs(area.pixels[1] - area.height * dpr) <= 2 * dpr, JSON.stringify(area));
}

// Taps the point x, y of the design area (Playwright's taps are in the page's own CSS pixels).
async function tapAt([x, y]) {
  const box = await page.evaluate(() => {
    const { left, top, width } = document.querySelector('canvas').getBoundingClientRect();
    return { left, top, scale: width / 800 };
  });
  await page.touchscreen.tap(box.left + x * box.scale, box.top + y * box.scale);
}

before(async () => {
  browser = await startBrowser({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 3,
                                 isMobile: true, hasTouch: true });
  page = await browser.context.newPage();
});

after(async () => {
  await browser?.close();
});

test('a phone held upright shows the whole design area, at its full resolution', async () => {
  await page.goto(browser.site.url);
  await firstFrame(page);
  assertFitted(await designArea(), 3);
});

test('a tap on the menu acts as a click; the answer box brings up the keyboard', async () => {
  await page.waitForTimeout(3500); // the splash screen's three seconds
  assert.ok(await page.evaluate(() => visualViewport.scale < 1), 'the page is zoomed out');
  await tapAt(at.menuWrite);
  // The write exercise's answer box has the focus, and the page's text field with it.
  await page.waitForFunction(() => document.activeElement.tagName === 'INPUT');
});

test('turning the phone fits the design area again', async () => {
  await page.setViewportSize({ width: 844, height: 390 });
  await page.waitForFunction(() => visualViewport.height * visualViewport.scale < 400);
  await page.waitForTimeout(300);
  assertFitted(await designArea(), 3);
});

test('a high-density desktop screen draws the area sharp and fits its window', async () => {
  const desktop = await startBrowser({ deviceScaleFactor: 2 });
  try {
    page = await desktop.context.newPage();
    await page.goto(desktop.site.url);
    await firstFrame(page);
    assertFitted(await designArea(), 2);
    await page.waitForTimeout(3500);
    // Brought back to 800 x 600 by the browser: the menu of the gallery, the edges softer.
    const menu = readPng(await page.screenshot({ scale: 'css' }));
    const share = differingShare(menu, 0, 0, galleryPicture('menu'));
    assert.ok(share <= 0.02, `${(share * 100).toFixed(2)} % of the menu's pixels differ`);
    await page.setViewportSize({ width: 1280, height: 720 });
    await page.waitForFunction(() => document.querySelector('canvas').width === 1920);
    assertFitted(await designArea(), 2);
  } finally {
    await desktop.close();
  }
});
