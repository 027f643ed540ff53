// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// A browser set to Arabic (Egypt): the program writes its numbers with the Arabic-Indic digits
// and separator, as the regional settings ask. There, and in a browser set to English (United
// States), which writes 0-9 and ".", a right answer typed in Arabic-Indic digits with the Arabic
// separator (٠٫٠٠٧), as an Arabic keyboard types it, gets the right verdict.

import { after, before, describe, test } from 'node:test';

import { firstFrame, insertText, pause, startBrowser } from './browser.mjs';
import { at, placeValueText } from './screens.mjs';
import { digitShapes, question, verdictShown } from './tours.mjs';

const kArabicIndic = '٠١٢٣٤٥٦٧٨٩';
const arabicIndic = (text) => text.replace(/[0-9]/g, (d) => kArabicIndic[d]).replace('.', '٫');

for (const [locale, shown] of [['ar-EG', 'arabicIndic'], ['en-US', 'western']]) {
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
      const digits = (await digitShapes(browser))[shown];
      await pause(3500); // the splash screen's three seconds
      await page.mouseClick(...at.menuWrite);
      const asked = await question(page, undefined, digits);
      await page.mouseClick(...at.writeAnswerBox);
      await insertText(page, arabicIndic(placeValueText(asked.digit, asked.place)));
      await page.mouseClick(...at.writeButton);
      await verdictShown(page, undefined, 'right');
    });
  });
}
