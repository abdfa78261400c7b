// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The command line's answers, which the page must give byte for byte.
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { buildDir } from './browser.mjs';

const tool = process.env.BRIMLET_TOOL ?? join(buildDir, 'brimlet-tool');

// The tools as `brimlet-tool --tools` lists them: { className, popup, item }.
export function tools() {
  return execFileSync(tool, ['--tools'], { encoding: 'utf8' }).trim().split('\n').map((line) => {
    const [className, popup, item] = line.split('\t');
    return { className, popup, item };
  });
}

// A step as command-line words: ['set', field, text], ['press', button] or
// ['keys', text].
export function words([verb, target, text]) {
  if (verb === 'set') return ['--set', `${target}=${text}`];
  if (verb === 'press') return ['--press', target];
  return ['--keys', target];
}

// What brimlet-tool writes for the steps and the options after them
// (--steps, --svg -, or none for the fields as name<TAB>text lines).
export function outputOf(className, steps, options = []) {
  const args = ['--tool', className, ...steps.flatMap(words), ...options];
  try {
    return execFileSync(tool, args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  } catch (failure) {
    return failure.stdout;
  }
}

// The fields and messages after the steps: { fields: [[name, text]...], messages }.
export function runSteps(className, steps) {
  // Status 1 (the tool showed a message) still writes the fields.
  const result = JSON.parse(outputOf(className, steps, ['--json']));
  return { fields: result.fields.map((field) => [field.name, field.text]), messages: result.messages };
}
