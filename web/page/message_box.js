// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// The program's message box: the program's name ("Brimlet 5") as caption,
// the exclamation icon, the text and one OK. It blocks only the window that raised it (made inert while
// the box is open): every other window stays usable, and any number of boxes
// can be open at once, each answered on its own. Closing it in any way (OK,
// Enter, Esc, the close box) is its OK.
import { centreOver, createFrame } from './window_frame.js';
import { raise } from './window_stack.js';
import { word } from './language.js';

let caption = '';
let boxes = 0;

// The boxes' caption: the program's name, as the core spells it.
export function captionBoxes(name) {
  caption = name;
}

// Shows the box over `owner` (a window's frame, or none) and resolves when it
// is answered.
export function messageBox(text, owner) {
  return new Promise((resolve) => {
    let box = null;
    const answer = () => {
      box.close();
      if (owner) {
        owner.inert = false;
        owner.removeAttribute('data-blocked');
      }
      resolve();
    };
    box = createFrame({ title: caption, kind: 'message-box', role: 'alertdialog', onClose: answer, refocus: false });
    const icon = document.createElement('span');
    icon.className = 'exclamation';
    icon.setAttribute('aria-hidden', 'true');
    icon.textContent = '!';
    const words = document.createElement('p');
    words.className = 'message';
    words.id = `message-${++boxes}`;
    words.textContent = text;
    box.frame.setAttribute('aria-describedby', words.id);
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.className = 'push default';
    ok.textContent = word('CAboutDlg', 'OK');
    ok.addEventListener('click', answer);
    box.frame.addEventListener('keydown', (event) => {
      if (event.key === 'Escape' || event.key === 'Enter') {
        event.preventDefault();
        event.stopPropagation();
        answer();
      }
    });
    box.client.append(icon, words, ok);
    if (owner) {
      owner.inert = true;
      owner.dataset.blocked = 'true';
      centreOver(box.frame, owner);
      // A click into the blocked window brings its box to the front.
      owner.boxFrame = box.frame;
    }
    raise(box.frame);
    ok.focus();
  });
}
