// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Template dialog units to pixels, as the desktop maps them: a horizontal
// unit is a quarter of the dialog font's average letter width, a vertical one
// an eighth of its line height. The font is a face with Arial's metrics at
// 8 points (Arial, or Liberation Sans, or the copy the page ships).
export const dialogFont = '8pt "Brimlet Sans"';
// The controls' text, a little smaller, as on the desktop: Arial's letters
// run wider than those of the face the templates were drawn for.
export const textFont = '7.5pt "Brimlet Sans"';

export async function dialogUnits() {
  await document.fonts.load(dialogFont);
  await document.fonts.load(textFont);
  const context = document.createElement('canvas').getContext('2d');
  context.font = dialogFont;
  const metrics = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
  const letters = Math.round(metrics.width);
  const baseX = Math.trunc((Math.trunc(letters / 26) + 1) / 2);
  const baseY = Math.round(metrics.fontBoundingBoxAscent) + Math.round(metrics.fontBoundingBoxDescent);
  const scale = (units, base, divisor) => Math.trunc((units * base + Math.trunc(divisor / 2)) / divisor);
  return {
    baseX,
    baseY,
    x: (units) => scale(units, baseX, 4),
    y: (units) => scale(units, baseY, 8),
  };
}
