// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page's catalogues, read at build time from the desktop's own .ts files:
//   node catalogues.mjs OUTPUT_FOLDER brimlet_de.ts brimlet_fr.ts ...
// writes OUTPUT_FOLDER/de.json ({ context: { source: translation } }, length
// variants joined by U+009C as Qt gives them) for each, and languages.json,
// the languages offered. What lrelease leaves out of a .qm is left out here:
// an empty translation, and one that no longer has a source.
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const decode = (text) => text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (whole, name) => {
  if (name.startsWith('#x') || name.startsWith('#X')) return String.fromCodePoint(parseInt(name.slice(2), 16));
  if (name.startsWith('#')) return String.fromCodePoint(parseInt(name.slice(1), 10));
  if (!(name in entities)) throw new Error(`unknown entity ${whole}`);
  return entities[name];
});
const inner = (element, name) => element.match(new RegExp(`<${name}>([\\s\\S]*?)</${name}>`))?.[1];

function translationOf(message) {
  const found = message.match(/<translation([^>]*)>([\s\S]*?)<\/translation>|<translation([^>]*)\/>/);
  if (!found) return '';
  const attributes = found[1] ?? found[3];
  if (/type="(vanished|obsolete)"/.test(attributes) || found[2] === undefined) return '';
  if (/variants="yes"/.test(attributes)) {
    return [...found[2].matchAll(/<lengthvariant>([\s\S]*?)<\/lengthvariant>/g)]
      .map((variant) => decode(variant[1])).join('\u009c');
  }
  return decode(found[2]);
}

function readCatalogue(text) {
  const language = text.match(/<TS[^>]*\blanguage="([^"]+)"/)[1];
  const words = {};
  for (const [context] of text.matchAll(/<context>[\s\S]*?<\/context>/g)) {
    const name = decode(inner(context, 'name'));
    for (const [message] of context.matchAll(/<message[\s>][\s\S]*?<\/message>/g)) {
      const source = decode(inner(message, 'source'));
      const translation = translationOf(message);
      if (translation !== '') (words[name] ??= {})[source] = translation;
    }
  }
  return { language, words };
}

const [output, ...files] = process.argv.slice(2);
mkdirSync(output, { recursive: true });
const languages = files.map((file) => {
  const { language, words } = readCatalogue(readFileSync(file, 'utf8'));
  writeFileSync(join(output, `${language}.json`), JSON.stringify(words));
  return language;
});
writeFileSync(join(output, 'languages.json'), JSON.stringify(languages));
