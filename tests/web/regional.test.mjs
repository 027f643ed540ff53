// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// A browser set to Arabic (Egypt): the program writes its numbers with the Arabic-Indic digits
// and separator, as the regional settings ask. There, and in a browser set to English (United
// States), which writes 0-9 and ".", a right answer typed in Arabic-Indic digits with the Arabic
// separator (٠٫٠٠٧), as an Arabic keyboard types it, gets the right verdict.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';

import { firstFrame, insertText, pause, startBrowser, waitForScreen } from './browser.mjs';
import { at, colours, placeValueText, readRedDigit, redDigit, referenceShapes,
         verdict } from './screens.mjs';

const kArabicIndic = '٠١٢٣٤٥٦٧٨٩';
const arabicIndic = (text) => text.replace(/[0-9]/g, (d) => kArabicIndic[d]).replace('.', '٫');

for (const [locale, shown] of [['ar-EG', kArabicIndic], ['en-US', '0123456789']]) {
  describe(locale, () => {
    let browser;
    let page;

    before(async () => {
      browser = await startBrowser({ locale });
      page = await browser.newPage();
    });

    after(async () => {
      await browser?.close();
    });

    test('a right answer in Arabic-Indic digits, typed as a keyboard types it, is right',
         async () => {
      await page.goto(browser.site.url);
      await firstFrame(page);
      const drawn = await referenceShapes(browser, browser.site.url, [...shown], 96, true,
                                          colours.red);
      const digits = Object.fromEntries(drawn.map((shape, value) => [String(value), shape]));
      await pause(3500); // the splash screen's three seconds
      await page.mouseClick(...at.menuWrite);
      const asked = await waitForScreen(page, (p) => redDigit(p) !== null, 'question');
      const red = redDigit(asked);
      const digit = readRedDigit(asked, red, digits);
      assert.ok(digit.margin > 0.05, `the red digit reads unclearly: ${JSON.stringify(digit)}`);
      await page.mouseClick(...at.writeAnswerBox);
      await insertText(page, arabicIndic(placeValueText(Number(digit.name), red.place)));
      await page.mouseClick(...at.writeButton);
      await waitForScreen(page, (p) => verdict(p) === 'right', 'right verdict');
    });
  });
}
