// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The window in a browser. The calculation, the press logic and the table
// of controls are the program's C++ (Vellacor, the WebAssembly module);
// this script builds Form1 from the table it describes, hands every edit
// to the sheet there, and carries out what a press leads to, in its order.
'use strict';
(function () {
  const form = document.getElementById('Form1');
  const overlay = document.getElementById('overlay');
  const message = document.getElementById('message');
  const ok = document.getElementById('message-ok');
  const boxes = {};
  let core = null;
  let closeMessage = null; // while a message is open: what dismissing it does

  function call(name) {
    const args = Array.prototype.slice.call(arguments, 1);
    return core.ccall(name, 'string', args.map(function () { return 'string'; }), args);
  }

  const kTags = { label: 'div', textbox: 'input', button: 'button', line: 'div' };

  function Build(spec) {
    const element = document.createElement(kTags[spec.kind]);
    element.id = spec.name;
    element.className = spec.kind;
    const places = { left: spec.left, top: spec.top, width: spec.width, height: spec.height };
    Object.keys(places).forEach(function (key) {
      element.style.setProperty('--' + key, places[key] + 'px');
    });
    ['row', 'column', 'span'].forEach(function (key, i) {
      element.style.setProperty('--' + key, String(spec.narrow[i]));
    });
    if (spec.narrow[0] === 0) element.classList.add('wide-only');
    if (spec.kind === 'textbox') BuildTextBox(element, spec);
    if (spec.kind === 'button') {
      element.type = 'button';
      element.addEventListener('click', PressCommand1);
    }
    if (spec.kind === 'label' || spec.kind === 'button') element.textContent = spec.caption;
    if (spec.kind === 'line') element.setAttribute('aria-hidden', 'true');
    if (spec.tab >= 0 && spec.kind !== 'label') element.tabIndex = spec.tab;
    return element;
  }

  function BuildTextBox(box, spec) {
    box.type = 'text';
    box.readOnly = spec.readOnly;
    box.autocomplete = 'off';
    box.spellcheck = false;
    box.setAttribute('autocapitalize', 'off');
    box.setAttribute('aria-label', spec.label);
    if (spec.decimal) box.setAttribute('inputmode', 'decimal');
    if (!spec.readOnly) {
      box.addEventListener('input', function () { call('VellacorSetText', spec.name, box.value); });
    }
    boxes[spec.name] = box;
  }

  // The load event: every box empty, the focus in the first input.
  function Load(description) {
    document.title = description.title;
    document.getElementById('message-title').textContent = description.title;
    ok.textContent = description.ok;
    form.style.setProperty('--width', description.width + 'px');
    form.style.setProperty('--height', description.height + 'px');
    description.controls.forEach(function (spec) { form.appendChild(Build(spec)); });
    call('VellacorLoad');
    Object.keys(boxes).forEach(function (name) { boxes[name].value = ''; });
    boxes[description.focus].focus();
  }

  function PressCommand1() {
    const press = JSON.parse(call('VellacorPress'));
    Object.keys(press.texts).forEach(function (name) { boxes[name].value = press.texts[name]; });
    press.fromStart.forEach(function (name) {
      boxes[name].setSelectionRange(0, 0);
      boxes[name].scrollLeft = 0;
    });
    Announce(press.announcement);
    const select = function () {
      if (!press.select) return;
      boxes[press.select].focus();
      boxes[press.select].select();
    };
    if (press.notice === 'none') select();
    else ShowMessage(press.notice === 'warning', press.message, select);
  }

  // Once, as a new line of the live region: the same text after a second
  // press is heard again.
  function Announce(text) {
    const region = document.getElementById('announcement');
    region.textContent = '';
    if (!text) return;
    const line = document.createElement('p');
    line.textContent = text;
    region.appendChild(line);
  }

  // Modal: the veil takes the clicks, the focus stays on OK, and the form
  // is hidden from screen readers until the message is dismissed.
  function ShowMessage(warning, text, then) {
    const opener = document.activeElement;
    message.className = warning ? 'warning' : 'plain';
    document.getElementById('message-text').textContent = text;
    form.setAttribute('aria-hidden', 'true');
    overlay.hidden = false;
    ok.focus();
    closeMessage = function () {
      closeMessage = null;
      overlay.hidden = true;
      form.removeAttribute('aria-hidden');
      if (opener && opener.focus) opener.focus();
      then();
    };
  }

  ok.addEventListener('click', function () { if (closeMessage) closeMessage(); });
  overlay.addEventListener('mousedown', function (event) {
    if (event.target !== ok) event.preventDefault();
  });
  document.addEventListener('keydown', function (event) {
    if (!closeMessage || (event.key !== 'Escape' && event.key !== 'Tab')) return;
    event.preventDefault();
    if (event.key === 'Escape') closeMessage();
    else ok.focus();
  }, true);
  document.addEventListener('focusin', function (event) {
    if (closeMessage && event.target !== ok) ok.focus();
  }, true);

  function Unsupported() { document.getElementById('unsupported').hidden = false; }

  // The module the page carries, in base64.
  function ModuleBytes() {
    const text = atob(document.getElementById('module').textContent);
    return Uint8Array.from(text, function (c) { return c.charCodeAt(0); });
  }

  if (typeof WebAssembly !== 'object' || typeof Vellacor !== 'function') {
    Unsupported();
    return;
  }
  Vellacor({ wasmBinary: ModuleBytes() }).then(function (module) {
    core = module;
    Load(JSON.parse(call('VellacorForm')));
  }, Unsupported);
})();
