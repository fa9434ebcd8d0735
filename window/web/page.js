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
  const masses = []; // the boxes kept when the module starts again
  let words = null; // the form's own texts, from the module's description
  let compiled = null; // a promise of the module compiled, once
  let core = null; // the module running, whole; null while it starts again
  let starting = null; // a promise of the module started again
  let closeMessage = null; // while a message is open: what dismissing it does

  // Texts cross on the module's heap, whatever their length; the reply is
  // copied out before the next call. Any failure throws.
  function call(name) {
    const pointers = [];
    try {
      for (let i = 1; i < arguments.length; ++i) {
        const size = core.lengthBytesUTF8(arguments[i]) + 1;
        const pointer = core._malloc(size);
        if (!pointer) throw new RangeError('no room for a text of ' + size + ' bytes');
        pointers.push(pointer);
        core.stringToUTF8(arguments[i], pointer, size);
      }
      const reply = core['_' + name].apply(null, pointers);
      return reply ? core.UTF8ToString(reply) : '';
    } finally {
      pointers.forEach(function (pointer) { core._free(pointer); });
    }
  }

  // A new instance of the module, from the one compile: starting again
  // needs no second compile, which the page forbids once it runs.
  function Instantiate() {
    return new Promise(function (resolve, reject) {
      Vellacor({
        instantiateWasm: function (imports, receive) {
          compiled.then(function (module) {
            return WebAssembly.instantiate(module, imports).then(function (instance) {
              receive(instance, module);
            });
          }).catch(reject);
          return {};
        },
      }).then(resolve, reject);
    });
  }

  // A promise of the module, whole. After a failure it is started afresh
  // and its sheet filled from the masses as the boxes show them.
  function Whole() {
    if (core) return Promise.resolve();
    if (!starting) {
      starting = Instantiate().then(function (module) {
        core = module;
        call('VellacorLoad');
        masses.forEach(function (name) { call('VellacorSetText', name, boxes[name].value); });
      }).then(function () {
        starting = null;
      }, function (error) {
        core = null;
        starting = null;
        throw error;
      });
    }
    return starting;
  }

  // A call into the module failed: its sheet is no longer to be trusted.
  // Nothing computed stays in view, and the module starts again.
  function Broken() {
    core = null;
    Object.keys(boxes).forEach(function (name) {
      if (masses.indexOf(name) < 0) boxes[name].value = '';
    });
    Whole().catch(function () {});
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
    if (spec.mass) {
      box.setAttribute('inputmode', 'decimal');
      masses.push(spec.name);
    }
    if (!spec.readOnly) {
      box.addEventListener('input', function () {
        if (!core) return; // the module starting again reads the box itself
        try {
          call('VellacorSetText', spec.name, box.value);
        } catch (error) {
          Broken();
        }
      });
    }
    boxes[spec.name] = box;
  }

  // The load event: every box empty, the focus in the first input.
  function Load(description) {
    words = description;
    document.title = description.title;
    document.documentElement.style.fontFamily = description.fonts;
    document.getElementById('message-title').textContent = description.title;
    ok.textContent = description.ok;
    form.style.setProperty('--width', description.width + 'px');
    form.style.setProperty('--height', description.height + 'px');
    // Narrower than the window, the phone's layout (page.css, .narrow).
    const narrow = window.matchMedia('(max-width: ' + (description.width - 1) + 'px)');
    const fit = function () { document.documentElement.classList.toggle('narrow', narrow.matches); };
    narrow.addListener(fit);
    fit();
    description.controls.forEach(function (spec) { form.appendChild(Build(spec)); });
    call('VellacorLoad');
    Object.keys(boxes).forEach(function (name) { boxes[name].value = ''; });
    boxes[description.focus].focus();
  }

  // A press waits for the module while it starts again; where the call
  // fails, the page says so and shows nothing as computed.
  function PressCommand1() {
    Whole().then(function () {
      return JSON.parse(call('VellacorPress'));
    }).then(Show, function () {
      Broken();
      ShowMessage(true, words.couldNotRun, function () {});
    });
  }

  function Show(press) {
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

  // Once, as a new line of the live region, so that the same text after a
  // second press is heard again. Orca takes a line that Chromium reports
  // with the very text of the line before for a repeat and drops it: every
  // other line ends in a zero-width space, which no voice speaks.
  let everyOther = false;
  function Announce(text) {
    const region = document.getElementById('announcement');
    region.textContent = '';
    if (!text) return;
    const line = document.createElement('p');
    everyOther = !everyOther;
    line.textContent = everyOther ? text : text + '\u200b';
    region.appendChild(line);
  }

  // Modal: the veil takes the clicks, the focus stays on OK, and the form
  // is out of reach until the message is dismissed. The focus moves to OK
  // before the form is put out of reach, so that it never rests there.
  function ShowMessage(warning, text, then) {
    const opener = document.activeElement;
    message.className = warning ? 'warning' : 'plain';
    document.getElementById('message-text').textContent = text;
    overlay.hidden = false;
    ok.focus();
    OutOfReach(true);
    closeMessage = function () {
      closeMessage = null;
      OutOfReach(false);
      overlay.hidden = true;
      if (opener && opener.focus) opener.focus();
      then();
    };
  }

  // inert where the browser has it; elsewhere hidden from screen readers,
  // the veil and the focus guard keeping the rest away.
  function OutOfReach(out) {
    if ('inert' in form) form.inert = out;
    else if (out) form.setAttribute('aria-hidden', 'true');
    else form.removeAttribute('aria-hidden');
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

  // The word for a browser that cannot run the page, shown at once; the
  // page shows it after a moment by itself, should no script run at all.
  const unsupported = document.getElementById('unsupported');
  function Unsupported() {
    unsupported.className += ' now';
    unsupported.hidden = false;
  }

  // The module the page carries, in base64.
  function ModuleBytes() {
    const text = atob(document.getElementById('module').textContent);
    return Uint8Array.from(text, function (c) { return c.charCodeAt(0); });
  }

  // Once the module runs, nothing more is compiled or evaluated: a second
  // policy, which can only tighten the first, leaves no script to run
  // from a string ('unsafe-eval' is there for the older browsers'
  // WebAssembly alone).
  function ForbidEval() {
    const policy = document.createElement('meta');
    policy.httpEquiv = 'Content-Security-Policy';
    policy.content = "script-src 'none'";
    document.head.appendChild(policy);
  }

  try {
    if (typeof WebAssembly !== 'object' || typeof Vellacor !== 'function') throw new Error();
    compiled = WebAssembly.compile(ModuleBytes());
    Instantiate().then(function (module) {
      core = module;
      Load(JSON.parse(call('VellacorForm')));
      ForbidEval();
      unsupported.hidden = true;
    }).catch(Unsupported);
  } catch (error) {
    Unsupported();
  }
})();
