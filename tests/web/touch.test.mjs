// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// A pupil's tour by touch alone, with no key pressed, on phones, tablets, a classroom board and a
// small desktop window with a touch screen: the write exercise answered right and wrong on the
// program's own keypad in the digits it writes, the choose exercise, ten reading questions by
// taps, return and exit. The keypad stands in the room the design area leaves free, or over the
// screen's black, where it covers nothing; the device's own keyboard stays down.

import assert from 'node:assert/strict';
import { before, test } from 'node:test';

import {
  designAreaIn, engine, galleryPicture, inView, pause, pointsWithFingers, startBrowser,
  viewPicture,
} from './browser.mjs';
import { differingShare, inkBox } from './pictures.mjs';
import { at, candidate, keypadRoom, keysIn, placeValueText } from './screens.mjs';
import {
  digitShapes, endedPageShown, question, readingShown, screenShown, verdictShown,
} from './tours.mjs';

const devices = [
  { name: 'a phone held upright', width: 390, height: 844, scale: 3, mobile: true,
    locale: 'ar-EG', smallestKey: 48 },
  { name: 'a phone turned', width: 844, height: 390, scale: 3, mobile: true, locale: 'en-US' },
  { name: 'a tablet held upright', width: 768, height: 1024, scale: 2, mobile: true,
    locale: 'en-US' },
  { name: 'a tablet turned', width: 1024, height: 768, scale: 2, mobile: true, locale: 'ar-EG' },
  { name: 'a 1920 x 1080 board', width: 1920, height: 1080, scale: 1, locale: 'ar-EG' },
  { name: 'a 500 x 400 window', width: 500, height: 400, scale: 1, locale: 'en-US' },
];
const kTolerance = 0.05;
const kArabicIndic = '٠١٢٣٤٥٦٧٨٩';
const written = (text, locale) => (locale === 'ar-EG'
  ? text.replace(/[0-9]/g, (d) => kArabicIndic[d]).replace('.', '٫') : text);

let digits;
before(async () => {
  if (!engine.canTouch) {
    return;
  }
  const browser = await startBrowser();
  try {
    digits = await digitShapes(browser);
  } finally {
    await browser.close();
  }
});

// The keys of the keypad on the view: in the room the design area leaves free, on its left or
// below it, where they are there, else over the screen's black. Their boxes in the view's CSS
// pixels.
async function keypad(page, device, area, screen, count) {
  const view = await viewPicture(page);
  const density = view.width / device.width;
  const toView = (key) => ({ x: key.x / density, y: key.y / density, width: key.width / density,
                             height: key.height / density });
  const beside = device.width - area.width > device.height - area.height
    ? { x: 0, y: 0, width: area.left - 1, height: device.height }
    : { x: 0, y: area.top + area.height + 1, width: device.width,
        height: device.height - area.top - area.height - 1 };
  const inDevice = (r) => ({ x: Math.round(r.x * density), y: Math.round(r.y * density),
                             width: Math.floor(r.width * density),
                             height: Math.floor(r.height * density) });
  const room = keypadRoom(screen);
  const over = { x: area.left + room.x * area.scale, y: area.top + room.y * area.scale,
                 width: room.width * area.scale, height: room.height * area.scale };
  for (const [where, rect] of [['beside', beside], ['over', over]]) {
    if (rect.width >= 1 && rect.height >= 1) {
      const keys = keysIn(view, inDevice(rect)).map(toView);
      if (keys.length === count) {
        return { where, keys, room: rect };
      }
    }
  }
  assert.fail(`no keypad of ${count} keys on ${screen}`);
}

// Over the screen the keypad covers only black: the screen as designed is black under it, with
// the longest feedback and question too.
function assertOnBlack(pad, area, pictures) {
  const box = pad.keys.reduce((all, key) => ({
    left: Math.min(all.left, key.x), top: Math.min(all.top, key.y),
    right: Math.max(all.right, key.x + key.width), bottom: Math.max(all.bottom, key.y + key.height),
  }), { left: Infinity, top: Infinity, right: -Infinity, bottom: -Infinity });
  const inDesign = { x: Math.floor((box.left - area.left) / area.scale),
                     y: Math.floor((box.top - area.top) / area.scale),
                     width: Math.ceil((box.right - box.left) / area.scale),
                     height: Math.ceil((box.bottom - box.top) / area.scale) };
  for (const [name, x, y] of pictures) {
    const picture = galleryPicture(name);
    const under = { ...inDesign, x: inDesign.x - x, y: inDesign.y - y };
    assert.equal(inkBox(picture, under, (p) => p.some((v) => v > 40)), null,
                 `the keypad covers part of ${name}`);
  }
}

const keyboardDown = (page) => page.evaluate(() => document.activeElement?.tagName !== 'INPUT');

for (const device of devices) {
  test(`by touch alone on ${device.name}`,
       { skip: !engine.canTouch && `${engine.name} cannot emulate touch` }, async () => {
    const browser = await startBrowser({ ...device, touch: true });
    const page = await browser.newPage();
    let area = designAreaIn(device.width, device.height);
    const tap = (point) => page.tap(...inView(area, point));
    const tapKey = (key) => page.tap(key.x + key.width / 2, key.y + key.height / 2);
    const menuShown = () => screenShown(page, area, 'menu', { tolerance: kTolerance });
    const shapes = device.locale === 'ar-EG' ? digits.arabicIndic : digits.western;
    try {
      await page.goto(browser.site.url);
      area = designAreaIn(device.width, device.height, await pointsWithFingers(page));
      await menuShown();

      await tap(at.menuWrite);
      // Worked by touch, the design area stands at the view's edge, the room for the keypad whole.
      area = designAreaIn(device.width, device.height, true);
      let asked = await question(page, area, shapes);
      const pad = await keypad(page, device, area, 'Form2', 13);
      const side = Math.min(...pad.keys.map((key) => Math.min(key.width, key.height)));
      assert.ok(side >= (device.smallestKey ?? 1), `keys of ${side} CSS pixels`);
      console.log(`${device.name}: the keypad ${pad.where}, its keys ${side.toFixed(0)} CSS ` +
                  'pixels square');
      if (pad.where === 'over') {
        assertOnBlack(pad, area, [['write-asking', 0, 0], ['write-wrong-longest', 0, 0]]);
      }
      assert.ok(await keyboardDown(page), 'the device keyboard is up');
      // 1 to 9, 0, the separator, delete, and the button's key.
      const keyFor = (c) => pad.keys[c === '٫' || c === '.' ? 10
        : (Number(kArabicIndic.includes(c) ? kArabicIndic.indexOf(c) : c) + 9) % 10];
      const answer = async (text) => {
        for (const c of written(text, device.locale)) {
          await tapKey(keyFor(c));
        }
        await tapKey(pad.keys[12]);
      };
      await answer(`${placeValueText(asked.digit, asked.place)}`);
      await verdictShown(page, area, 'right');
      asked = await question(page, area, shapes); // three seconds later
      await tapKey(pad.keys[11]); // the box is empty: delete deletes nothing
      await answer(String(asked.digit));
      await verdictShown(page, area, 'wrong');
      assert.ok(await keyboardDown(page), 'the device keyboard is up');
      await tap(at.writeReturn);
      await menuShown();

      await tap(at.menuChoose);
      const choice = await question(page, area, shapes);
      await tap(candidate[choice.place]);
      await verdictShown(page, area, 'right');
      await tap(at.chooseReturn);
      await menuShown();

      await tap(at.menuReading);
      let before = await readingShown(page, area, kTolerance);
      const key = (await keypad(page, device, area, 'Form5', 1)).keys[0];
      // A new question may now and then be the one before: two taps in a row never.
      for (let posed = 0, taps = 0, misses = 0; posed < 10; ++taps) {
        await (taps % 2 === 0 ? tap(at.readingNumber) : tapKey(key)); // the number, the key
        await pause(300);
        const after = await readingShown(page, area, kTolerance);
        const changed = differingShare(after, 0, 0, before) > 0.005;
        misses = changed ? 0 : misses + 1;
        assert.ok(misses < 2, 'two taps posed no new question');
        posed += changed ? 1 : 0;
        before = after;
      }
      await tap(at.readingReturn);
      await menuShown();
      await tap(at.menuExit);
      await endedPageShown(page);
    } finally {
      await browser.close();
    }
  });
}
