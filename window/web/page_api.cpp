// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT
// What the page calls: the sheet lives here, as long as the page, and the
// page hands over each edit and each press of Command1. Texts cross as
// UTF-8; a reply stays valid until the next call.

#include <emscripten/emscripten.h>

#include <string>
#include <utility>

#include "window/control_table.h"
#include "window/press.h"
#include "window/web/page_json.h"

namespace {

grading::SieveSheet& Sheet() {
  static grading::SieveSheet sheet;
  return sheet;
}

const char* Reply(std::string text) {
  static std::string reply;
  reply = std::move(text);
  return reply.c_str();
}

}  // namespace

extern "C" {

// The load event: every field empty. The page then hands over what was
// typed while the module started.
EMSCRIPTEN_KEEPALIVE void VellacorLoad() { Sheet().Reset(); }

// The user's edit of a box; only the editable ones take it.
EMSCRIPTEN_KEEPALIVE void VellacorSetText(const char* name, const char* text) {
  const window::ControlSpec* box = window::FindControl(name);
  if (box == nullptr || box->kind != window::kTextBox || box->read_only) return;
  Sheet().SetText(window::BoxField(*box), text);
}

EMSCRIPTEN_KEEPALIVE const char* VellacorPress() {
  const window::PressResult press = window::PressCommand1(Sheet());
  return Reply(window::PressJson(press, Sheet()));
}

}  // extern "C"
