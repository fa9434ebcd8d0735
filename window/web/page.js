// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// The window in a browser. The calculation, the press logic and the table
// of controls are the program's C++: the form is written into the page
// when it is built, and the sheet lives in the WebAssembly module
// (Vellacor). This script wires the boxes to the sheet, carries out what a
// press leads to, in its order, and, where the page is served as an app,
// lets a service worker keep it for use without the network.
'use strict';
(function () {
  const root = document.documentElement;
  const form = document.getElementById('Form1');
  const overlay = document.getElementById('overlay');
  const message = document.getElementById('message');
  const ok = document.getElementById('message-ok');
  const boxes = {};
  const masses = []; // the boxes kept when the module starts again
  const editable = []; // the boxes whose text is the user's
  let compiled = null; // a promise of the module compiled, once
  let core = null; // the module running, whole; null until it runs
  let starting = null; // a promise of the module started
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

  // A promise of the module, whole: at the start, and after a failure,
  // an instance of its own, its sheet emptied (the load event) and filled
  // from what the boxes show, typed while it started or kept after the
  // failure.
  function Whole() {
    if (core) return Promise.resolve();
    if (!starting) {
      starting = Instantiate().then(function (module) {
        core = module;
        call('VellacorLoad');
        editable.forEach(function (name) { call('VellacorSetText', name, boxes[name].value); });
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

  // The form as the page was built with it: every box wired to the sheet,
  // the button to the press. What is typed before the module runs is
  // handed over as it starts.
  function Wire() {
    Array.prototype.forEach.call(form.querySelectorAll('input'), function (box) {
      boxes[box.id] = box;
      if (box.hasAttribute('data-mass')) masses.push(box.id);
      if (box.readOnly) return;
      editable.push(box.id);
      box.addEventListener('input', function () {
        if (!core) return; // the module starting reads the box itself
        try {
          call('VellacorSetText', box.id, box.value);
        } catch (error) {
          Broken();
        }
      });
    });
    form.querySelector('button').addEventListener('click', PressCommand1);
    // The first box, unless the user has already gone elsewhere.
    if (!document.activeElement || document.activeElement === document.body) {
      form.querySelector('[autofocus]').focus();
    }
  }

  // A press waits for the module while it starts; where the call fails,
  // the page says so and shows nothing as computed.
  function PressCommand1() {
    Whole().then(function () {
      return JSON.parse(call('VellacorPress'));
    }).then(Show, function () {
      if (form.hidden) return; // the program cannot run here at all
      Broken();
      ShowMessage(true, message.getAttribute('data-could-not-run'), function () {});
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

  // The word for a browser that cannot run the page, shown at once in
  // the form's place; the page shows it after a moment by itself, should
  // no script run at all.
  const unsupported = document.getElementById('unsupported');
  function Unsupported() {
    form.hidden = true;
    unsupported.className += ' now';
    unsupported.hidden = false;
  }

  // The module the page carries, in base64, as bytes: one pass, no call
  // per byte.
  function ModuleBytes() {
    const text = atob(document.getElementById('module').textContent);
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes;
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

  // Served as an app (the folder's page names its worker, manifest and
  // Apple's icon), the page links them, and the worker keeps the page for
  // use without the network; opened from disk, the page asks for nothing.
  function KeepOffline() {
    const app = document.querySelector('meta[name="vellacor-app"]');
    if (!app || !/^https?:$/.test(location.protocol)) return;
    [['manifest', 'data-manifest'], ['apple-touch-icon', 'data-apple-touch-icon']].forEach(function (pair) {
      const link = document.createElement('link');
      link.rel = pair[0];
      link.href = app.getAttribute(pair[1]);
      document.head.appendChild(link);
    });
    if (!('serviceWorker' in navigator)) return;
    // eslint-disable-next-line compat/compat -- Safari before 11.1 has none: asked above
    navigator.serviceWorker.register(app.content).catch(function () {});
  }

  // The module's loader comes after this script in the page, so that the
  // form takes typing while it loads and the module compiles; the module
  // starts once both are done.
  function Start() {
    try {
      if (typeof Vellacor !== 'function') throw new Error();
      Whole().then(ForbidEval, Unsupported);
      KeepOffline();
    } catch (error) {
      Unsupported();
    }
  }

  root.className += ' scripted';
  Wire();
  unsupported.hidden = true;
  try {
    if (typeof WebAssembly !== 'object') throw new Error();
    compiled = WebAssembly.compile(ModuleBytes());
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', Start);
    else Start();
  } catch (error) {
    Unsupported();
  }
})();
