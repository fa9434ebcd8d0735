// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/win32/accessible_names.h"

#include <initguid.h>
#include <oleacc.h>

#include "window/win32/wide_text.h"

namespace window {

AccessibleNames::AccessibleNames() {
  com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services_)))) {
    services_ = nullptr;
  }
}

AccessibleNames::~AccessibleNames() {
  Clear();
  if (services_) services_->Release();
  if (com_) CoUninitialize();
}

void AccessibleNames::Set(HWND control, std::string_view name) {
  if (!services_) return;
  const std::wstring wide = Widen(name);
  if (SUCCEEDED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          PROPID_ACC_NAME, wide.c_str()))) {
    named_.push_back(control);
  }
}

void AccessibleNames::Clear() {
  if (!services_) return;
  MSAAPROPID name = PROPID_ACC_NAME;
  for (HWND control : named_) {
    services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
  }
  named_.clear();
}

}  // namespace window
