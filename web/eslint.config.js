// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// eslint's recommended rules for the page, its tests and its benchmark.
import js from '@eslint/js';

const shared = { URL: 'readonly', console: 'readonly', setTimeout: 'readonly' };
const browser = {
  fetch: 'readonly',
  ...shared,
  CustomEvent: 'readonly',
  DOMParser: 'readonly',
  HTMLInputElement: 'readonly',
  HTMLTextAreaElement: 'readonly',
  MutationObserver: 'readonly',
  document: 'readonly',
  navigator: 'readonly',
  performance: 'readonly',
  window: 'readonly',
};
// The tests' callbacks that run in the page see the page's globals.
const node = { ...browser, globalThis: 'readonly', process: 'readonly', XMLSerializer: 'readonly' };

export default [
  { ignores: ['node_modules/'] },
  js.configs.recommended,
  { files: ['page/**/*.js'], languageOptions: { globals: browser } },
  { files: ['*.js', '*.mjs', 'tests/**', 'bench/**'], languageOptions: { globals: node } },
];
