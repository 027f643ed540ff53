// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What the tours share: the digits read off the screens, the question asked, the screens known
// from the gallery, the ended page.

import assert from 'node:assert/strict';

import { galleryPicture, waitFor, waitForScreen } from './browser.mjs';
import { differingShare } from './pictures.mjs';
import {
  bandOf, boxIn, colours, cornerOf, readRedDigit, redDigit, referenceShapes, verdict,
} from './screens.mjs';

// The ten digits of the number (72 pt bold, 96 logical pixels), in both digit sets, as the
// engine draws them in the program's face.
export async function digitShapes(browser) {
  const shapes = {};
  for (const digits of ['0123456789', '٠١٢٣٤٥٦٧٨٩']) {
    const drawn = await referenceShapes(browser, browser.site.url, [...digits], 96, true,
                                        colours.red);
    shapes[digits[0]] = Object.fromEntries(drawn.map((shape, value) => [String(value), shape]));
  }
  return { western: shapes['0'], arabicIndic: shapes['٠'] };
}

// The question asked on an exercise screen, once it is there: its red digit's place and value.
export async function question(page, area, digits) {
  const picture = await waitForScreen(page, (p) => redDigit(p) !== null && verdict(p) === null,
                                      'question', 15000, area);
  const red = redDigit(picture);
  assert.equal(red.several, false, 'one red digit only');
  const digit = readRedDigit(picture, red, digits);
  assert.ok(digit.margin > 0.05, `the red digit reads unclearly: ${JSON.stringify(digit)}`);
  return { picture, place: red.place, digit: Number(digit.name) };
}

// The picture with the verdict `expected` ('right' or 'wrong').
export function verdictShown(page, area, expected) {
  return waitForScreen(page, (p) => verdict(p) === expected, `${expected} verdict`, 15000, area);
}

// Waits for a screen of the gallery, at `x`, `y` in the design area, the `masks` left out; at
// most `tolerance` of its pixels unlike the gallery's.
export async function screenShown(page, area, name, { x = 0, y = 0, masks = [],
                                                      tolerance = 0.0075 } = {}) {
  const expected = galleryPicture(name);
  return waitForScreen(page, (p) => differingShare(p, x, y, expected, { masks }) <= tolerance,
                       name, 15000, area);
}
// The reading practice stands centred in the area; its number changes, and by touch its key may
// stand on its black.
export const readingShown = (page, area, tolerance) =>
  screenShown(page, area, 'reading-opening', { ...cornerOf('Form5'), tolerance,
    masks: [bandOf('Form5', { name: 'Label1' }), boxIn('Form5', { kind: 'keypad' })] });

export async function endedPageShown(page) {
  await waitFor(page, () => location.pathname.endsWith('/ended.html') &&
                            document.readyState === 'complete', null, 'ended page');
}
