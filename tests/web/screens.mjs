// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The screens as the browser tests see them: where their controls stand in the 800 x 600 area
// (from the designs, in logical pixels), and what a screenshot says about them: which digit is
// red and which digit it is, which verdict the feedback gives and which answer it names.

import fs from 'node:fs';
import path from 'node:path';

import { facesFolder } from './browser.mjs';
import { inkBox, near, shapeDistance, shapeOf } from './pictures.mjs';

// Points to click, in the design area.
export const at = {
  menuWrite: [580, 355],
  menuChoose: [219, 362],
  menuReading: [401, 114],
  menuExit: [56, 574],
  writeAnswerBox: [396, 376],
  writeButton: [128, 384],
  writeReturn: [220, 562],
  chooseReturn: [244, 562],
  activityExit: [88, 560],
  // The reading practice (792 x 573) stands centred in the area: 4, 13 from its corner.
  readingReturn: [4 + 200, 13 + 522],
  readingExit: [4 + 90, 13 + 522],
};

// The three candidates of the choose exercise, over their ovals, by place.
export const candidate = {
  tenths: [148, 392],
  hundredths: [412, 392],
  thousandths: [668, 392],
};
export const places = { tenths: 10, hundredths: 100, thousandths: 1000 };

export const colours = {
  red: [255, 0, 0],
  digit: [255, 255, 255],
  feedback: [128, 128, 255],
  restingCandidate: [0, 0, 255],
  hoverCandidate: [192, 64, 0],
};

// The whole number row of the exercises, and where each decimal digit's ink starts.
const numberRow = { x: 200, y: 130, width: 420, height: 130 };
const digitInkLeft = { tenths: 451, hundredths: 499, thousandths: 547 };
const feedbackRow = { x: 0, y: 470, width: 800, height: 100 };
const candidateRow = { x: 20, y: 330, width: 770, height: 125 };

// The red digit: its ink box and its place, or null when no digit is red. More than one red
// cluster of ink in the row is reported as `several`.
export function redDigit(picture) {
  const box = inkBox(picture, numberRow, near(colours.red, 80));
  if (box === null) {
    return null;
  }
  const place = Object.keys(digitInkLeft).reduce((best, p) =>
    Math.abs(box.x - digitInkLeft[p]) < Math.abs(box.x - digitInkLeft[best]) ? p : best);
  return { box, place, several: box.width > 60 };
}

// 'right', 'wrong' or null (no feedback shown), from the width of the feedback's ink: the
// right-answer text is about a third of the wrong-answer text.
export function verdict(picture) {
  const box = inkBox(picture, feedbackRow, near(colours.feedback, 60));
  if (box === null) {
    return null;
  }
  return box.width > 500 ? 'wrong' : 'right';
}

// The ink box of the feedback text, for reading the answer it names at its left end.
export function feedbackBox(picture) {
  return inkBox(picture, feedbackRow, near(colours.feedback, 60));
}

// The colour of each candidate's caption: 'resting', 'hover' or null.
export function candidateColours(picture) {
  const result = {};
  for (const [place, [x]] of Object.entries(candidate)) {
    const area = { x: x - 110, y: candidateRow.y, width: 220, height: candidateRow.height };
    result[place] = inkBox(picture, area, near(colours.hoverCandidate, 50)) ? 'hover'
      : inkBox(picture, area, near(colours.restingCandidate, 50)) ? 'resting' : null;
  }
  return result;
}

// The text of a place value as the program writes it: 0.7, 0.07, 0.007.
export function placeValueText(digit, place) {
  return (digit / places[place]).toFixed(Math.log10(places[place]));
}

// Renders `texts` in a face of the drill (Amiri, which the screens' "Arabic Transparent" is
// drawn in) at `pixels` in the browser, each on black in `colour`, and returns their shapes: the
// references a screenshot's glyphs are read against.
export async function referenceShapes(context, siteUrl, texts, pixels, bold, colour) {
  const page = await context.newPage();
  try {
    await page.goto(`${siteUrl}test-faces/`);
    const face = bold ? 'Amiri-Bold.ttf' : 'Amiri-Regular.ttf';
    const drawn = await page.evaluate(async ({ texts, pixels, face, colour }) => {
      const font = new FontFace('Reference', `url(/test-faces/${face})`);
      document.fonts.add(await font.load());
      const canvas = document.createElement('canvas');
      canvas.width = pixels * 8;
      canvas.height = pixels * 2;
      const context = canvas.getContext('2d', { willReadFrequently: true });
      return texts.map((text) => {
        context.fillStyle = '#000';
        context.fillRect(0, 0, canvas.width, canvas.height);
        context.fillStyle = `rgb(${colour.join(',')})`;
        context.font = `${pixels}px Reference`;
        context.textBaseline = 'middle';
        context.fillText(text, pixels / 2, pixels);
        const image = context.getImageData(0, 0, canvas.width, canvas.height);
        return { width: image.width, height: image.height, data: Array.from(image.data) };
      });
    }, { texts, pixels, face, colour });
    return drawn.map((picture) => {
      const full = { x: 0, y: 0, width: picture.width, height: picture.height };
      const box = inkBox(picture, full, near(colour, 80));
      return { shape: shapeOf(picture, box, near(colour, 80)), width: box.width };
    });
  } finally {
    await page.close();
  }
}

// Which of `references` (by name) the ink of `picture` matches best, with the margin to the next
// best: { name, distance, margin }. `inkOf(reference)` gives the box of ink to compare with it.
export function readShape(picture, isInk, references, inkOf) {
  const ranked = Object.entries(references)
    .map(([name, reference]) => {
      const box = inkOf(reference);
      const distance = box ? shapeDistance(shapeOf(picture, box, isInk), reference.shape) : 2;
      return { name, distance };
    })
    .sort((a, b) => a.distance - b.distance);
  return { ...ranked[0], margin: ranked[1].distance - ranked[0].distance };
}

// The digit the red digit shows, read against references of the ten digits.
export function readRedDigit(picture, red, digitReferences) {
  return readShape(picture, near(colours.red, 80), digitReferences, () => red.box);
}

// The answer a wrong-answer feedback names at its left end: 0.d, 0.0d or 0.00d. Its glyphs stand
// apart, the blank before the Arabic words is wider; the count of glyphs gives the place, the last
// one, read against references of the ten digits at the feedback's size, the digit.
export function readNamedAnswer(picture, digitReferences) {
  const text = feedbackBox(picture);
  const isInk = near(colours.feedback, 60);
  const kGap = 3; // blank columns between two glyphs of the number
  const kBlank = 16; // the blank before the words
  const glyphs = [];
  let blank = 0;
  for (let x = text.x; x < text.x + text.width && blank <= kBlank; ++x) {
    const ink = inkBox(picture, { x, y: text.y, width: 1, height: text.height }, isInk) !== null;
    if (ink && (glyphs.length === 0 || blank >= kGap)) {
      glyphs.push({ left: x, right: x });
    } else if (ink) {
      glyphs[glyphs.length - 1].right = x;
    }
    blank = ink ? 0 : blank + 1;
  }
  const last = glyphs[glyphs.length - 1];
  const digitBox = inkBox(picture, { x: last.left, y: text.y, width: last.right - last.left + 1,
                                     height: text.height }, isInk);
  const digit = readShape(picture, isInk, digitReferences, () => digitBox);
  const zeros = '0'.repeat(Math.max(0, glyphs.length - 3));
  return { text: `0.${zeros}${digit.name}`, glyphs: glyphs.length, digit };
}
