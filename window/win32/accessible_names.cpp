// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/win32/accessible_names.h"

#include <initguid.h>
#include <oleacc.h>

#include <algorithm>

#include "window/win32/wide_text.h"

namespace window {

IAccPropServices* AccessibleNames::Services() {
  if (started_) return services_;
  started_ = true;
  com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services_)))) {
    services_ = nullptr;
  }
  return services_;
}

AccessibleNames::~AccessibleNames() {
  Clear();
  if (services_) services_->Release();
  if (com_) CoUninitialize();
}

void AccessibleNames::Set(HWND control, std::string_view name) {
  if (!Services()) return;
  const std::wstring wide = Widen(name);
  if (SUCCEEDED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          PROPID_ACC_NAME, wide.c_str()))) {
    named_.push_back(control);
  }
}

void AccessibleNames::Describe(HWND control, std::string_view text) {
  const auto found = std::find(described_.begin(), described_.end(), control);
  if (text.empty()) {
    if (found == described_.end()) return;
    described_.erase(found);
    MSAAPROPID description = PROPID_ACC_DESCRIPTION;
    if (services_) {
      services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                &description, 1);
    }
    return;
  }
  if (Services()) {
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              PROPID_ACC_DESCRIPTION, Widen(text).c_str());
  }
  if (found == described_.end()) described_.push_back(control);
  // Raised even where the service is missing: a screen reader then finds
  // the description unchanged and says nothing more.
  NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void AccessibleNames::Clear() {
  while (!described_.empty()) Describe(described_.back(), {});
  if (!services_) return;
  MSAAPROPID name = PROPID_ACC_NAME;
  for (HWND control : named_) {
    services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
  }
  named_.clear();
}

}  // namespace window
