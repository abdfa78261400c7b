// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// Captions with '&' before their mnemonic letter ("&Mathematics"); '&&' is an
// ampersand.

// The caption as shown, its mnemonic letter underlined.
export function captionNodes(caption) {
  const nodes = [];
  let text = '';
  for (let i = 0; i < caption.length; ++i) {
    if (caption[i] === '&' && i + 1 < caption.length) {
      ++i;
      if (caption[i] !== '&') {
        if (text) nodes.push(document.createTextNode(text));
        text = '';
        const letter = document.createElement('u');
        letter.textContent = caption[i];
        nodes.push(letter);
        continue;
      }
    }
    text += caption[i];
  }
  if (text) nodes.push(document.createTextNode(text));
  return nodes;
}

// The mnemonic letter in lower case, or '' for none.
export function mnemonicOf(caption) {
  const match = /&([^&])/.exec(caption.replaceAll('&&', ''));
  return match ? match[1].toLowerCase() : '';
}

export function withoutMnemonic(caption) {
  return caption.replace(/&(.)/g, '$1');
}
