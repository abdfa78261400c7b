// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The page speaks the browser's language: the first of navigator.languages
// that has a catalogue ("de-AT" finds "de", "pt-BR" "pt_BR"), English for
// every other. The catalogues are the desktop's, read at build time into
// lang/*.json; the core looks every word up in the one handed to it, and
// word() gives the page's own words (menus, titles) from the same place.
// Number texts and what fields accept never change with the language.
let core = null;

// The catalogue's name for the first of the browser's language tags that
// has one, among those offered: "pt-BR" finds pt_BR, "zh-Hans-CN" zh_CN.
function catalogueFor(tags, offered) {
  for (const tag of tags) {
    const [language, ...subtags] = tag.split('-');
    const region = subtags.find((subtag) => /^([a-z]{2}|[0-9]{3})$/i.test(subtag));
    const exact = region ? `${language.toLowerCase()}_${region.toUpperCase()}` : '';
    const found = offered.find((name) => name === exact) ?? offered.find((name) => name === language.toLowerCase());
    if (found) return found;
  }
  return null;
}

const english = { language: 'en', words: {} };

// The words of the browser's language: { language, words }, English with none
// and where the catalogue cannot be read (a host that left lang/ out).
export async function languageWords() {
  try {
    const offered = await (await fetch('lang/languages.json')).json();
    const language = catalogueFor(navigator.languages ?? [navigator.language], offered);
    return language ? { language, words: await (await fetch(`lang/${language}.json`)).json() } : english;
  } catch {
    return english;
  }
}

// Whether a language is written right to left (Arabic, Persian).
function rightToLeft(language) {
  const locale = new Intl.Locale(language.replace('_', '-'));
  return (locale.getTextInfo?.() ?? locale.textInfo)?.direction === 'rtl';
}

// Hands the words to the core, before anything asks it for a word, and tells
// the document its language and direction: a language written right to left
// mirrors every window, as on the desktop.
export function speak(loaded, { language, words }) {
  core = loaded;
  core.rightToLeft(rightToLeft(language));
  for (const [context, texts] of Object.entries(words)) {
    for (const [source, translation] of Object.entries(texts)) core.addWord(context, source, translation);
  }
  document.documentElement.lang = language.replace('_', '-');
  document.documentElement.dir = rightToLeft(language) ? 'rtl' : 'ltr';
  document.getElementById('status').textContent = word('CMainFrame', 'Ready');
  const desktop = document.getElementById('desktop');
  desktop.setAttribute('aria-label', desktop.getAttribute('aria-label').replace('Untitled', word('CMainFrame', 'Untitled')));
}

// Whether a caption reads left to right in a mirrored window: one without a
// letter written right to left (a formula "x^2", a sign "+/-", a unit "cm";
// Persian digits are no letters), which a right-to-left paragraph would turn
// round ("n!" into "!n").
export function keepsLeftToRight(caption) {
  return document.documentElement.dir === 'rtl' && caption !== '' &&
    !/(?=\p{L})[\p{Script=Arabic}\p{Script=Hebrew}\p{Script=Syriac}\p{Script=Thaana}\p{Script=Nko}]/u.test(caption);
}

// A word of the page in its language, looked up in the desktop's context.
export function word(context, text) {
  return core ? core.word(context, text) : text;
}
