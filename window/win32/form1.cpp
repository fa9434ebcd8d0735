// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/win32/form1.h"

#include <algorithm>

#include "window/messages.h"
#include "window/win32/resource.h"
#include "window/win32/scaling.h"
#include "window/win32/wide_text.h"

namespace window {
namespace {

constexpr wchar_t kClassName[] = L"Vellacor.Form1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// The focusable controls first, in tab index order, for the dialog keys
// follow the order of creation; labels and lines after, beneath the boxes
// that overlap them.
constexpr std::array<std::size_t, kControls.size()> kCreationOrder = [] {
  std::array<std::size_t, kControls.size()> order{};
  std::size_t n = 0;
  for (const ControlSpec* focusable : kTabOrder) order.at(n++) = focusable - kControls.data();
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (kControls[i].kind == kLabel || kControls[i].kind == kLine) order.at(n++) = i;
  }
  return order;
}();

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(const ControlSpec& spec) {
  // Labels overlap the boxes beside them; the boxes, created first, stay on top.
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (spec.kind) {
    case kTextBox:
      return {L"EDIT",
              kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | (spec.read_only ? ES_READONLY : 0u),
              WS_EX_CLIENTEDGE};
    case kButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case kLine:  // painted in the window text colour (WM_DRAWITEM)
      return {L"STATIC", kChild | SS_OWNERDRAW, 0};
    case kLabel:
      break;
  }
  return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX, 0};
}

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW form_class = {};
  form_class.cbSize = sizeof form_class;
  form_class.lpfnWndProc = procedure;
  form_class.hInstance = instance;
  form_class.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELLACOR),
                                                   IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                   GetSystemMetrics(SM_CYICON), LR_SHARED));
  form_class.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELLACOR),
                                                     IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                     GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  form_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  form_class.lpszClassName = kClassName;
  RegisterClassExW(&form_class);  // fails harmlessly when a Form1 came before
}

// Centres a window of that size on the work area of the monitor it is on.
void CentreOnMonitor(HWND hwnd, SIZE size) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  SetWindowPos(hwnd, nullptr, work.left + (work.right - work.left - size.cx) / 2,
               work.top + (work.bottom - work.top - size.cy) / 2, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

Form1::Form1(HINSTANCE instance) {
  RegisterFormClass(instance, &Form1::WindowProc);
  const std::wstring title = Widen(kTitle);
  hwnd_ = CreateWindowExW(0, kClassName, title.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
  if (!hwnd_) return;
  dpi_ = WindowDpi(hwnd_);
  font_ = CreateDialogFont(dpi_);
  for (std::size_t index : kCreationOrder) Build(index);
  CentreOnMonitor(hwnd_, WindowSize(kStyle, 0, dpi_));
  Load();
}

Form1::~Form1() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
}

void Form1::Build(std::size_t index) {
  const ControlSpec& spec = kControls[index];
  const ControlClass control_class = ClassOf(spec);
  const RECT rect = ControlRect(spec, dpi_);
  HWND control = CreateWindowExW(
      control_class.ex_style, control_class.name, Widen(spec.caption).c_str(), control_class.style,
      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(index))), nullptr, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  controls_[index] = control;
  if (spec.kind == kButton) command1_ = control;
  if (spec.kind != kTextBox) return;
  SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no limit but the system's
  boxes_[grading::Index(BoxField(spec))] = control;
}

// Every control where the table puts it at `dpi`, in the font for `dpi`.
void Form1::Layout(UINT dpi) {
  const HFONT font = CreateDialogFont(dpi);
  for (std::size_t index = 0; index < kControls.size(); ++index) {
    const RECT rect = ControlRect(kControls[index], dpi);
    SetWindowPos(controls_[index], nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(controls_[index], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  DeleteObject(font_);
  font_ = font;
  dpi_ = dpi;
}

// Every box starts empty, with the focus in the first input.
void Form1::Load() {
  sheet_.Reset();
  focus_ = Box(kFirstFocus);
}

// The window drawn first; then each box's name for the screen reader,
// which asks for it once the focus moves into the window.
void Form1::Show(int show_command) {
  ShowWindow(hwnd_, show_command);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  for (std::size_t index = 0; index < kControls.size(); ++index) {
    if (kControls[index].kind == kTextBox)
      names_.Set(controls_[index], kControls[index].accessible_name);
  }
  SetFocus(focus_);
}

void Form1::Dispatch(MSG& message) {
  if (SelectAll(message)) return;
  if (hwnd_ && IsDialogMessageW(hwnd_, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// Ctrl+A selects the whole text of a box, as in every other program.
bool Form1::SelectAll(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != 'A') return false;
  if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0 || GetKeyState(VK_SHIFT) < 0) {
    return false;
  }
  if (std::find(boxes_.begin(), boxes_.end(), message.hwnd) == boxes_.end()) return false;
  SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
  return true;
}

LRESULT CALLBACK Form1::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  // Until CreateWindowExW returns, the window is not yet the form's.
  if (form && form->hwnd_ == hwnd) return form->Handle(message, wparam, lparam);
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT Form1::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND hwnd = hwnd_;
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_ACTIVATE:
      // A top-level window that is no dialog must keep its focus itself,
      // across message boxes and switching programs.
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus && IsChild(hwnd_, focus)) focus_ = focus;
      } else if (!HIWORD(wparam) && focus_) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_WINDOWTEXT));
      return TRUE;
    }
    case kWmDpiChanged: {
      Layout(HIWORD(wparam));
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      const SIZE size = WindowSize(kStyle, 0, dpi_);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      names_.Clear();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void Form1::Command(int id, int code, HWND control) {
  if (id == IDOK) {  // Enter: a press only where the button has the focus
    if (GetFocus() == command1_) Command1Click();
    return;
  }
  if (id == IDCANCEL) return;  // Esc closes nothing
  const auto index = static_cast<std::size_t>(id - kFirstControlId);
  if (index >= kControls.size()) return;
  const ControlSpec& spec = kControls[index];
  if (spec.kind == kButton && code == BN_CLICKED) {
    Command1Click();
  } else if (spec.kind == kTextBox && code == EN_CHANGE && !refreshing_) {
    sheet_.SetText(BoxField(spec), WindowTextUtf8(control));
  } else if (spec.kind == kTextBox && code == EN_SETFOCUS) {
    // The focus has left the button: it is only "计算" again.
    names_.Describe(command1_, {});
  }
}

void Form1::Command1Click() {
  const PressResult press = PressCommand1(sheet_);
  Refresh(press);
  // The outcome, for a screen reader: the focused button's new description.
  names_.Describe(command1_, press.announcement);
  if (press.notice != Notice::kNone) ShowNotice(press.notice, press.message);
  if (press.select) {
    HWND box = Box(*press.select);
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
  }
}

// A box whose field changed shows the new text; each result box, changed
// or not, its text's beginning.
void Form1::Refresh(const PressResult& press) {
  refreshing_ = true;
  for (grading::Field field : grading::kAllFields) {
    const HWND box = Box(field);
    if (press.Changed(field)) SetWindowTextUtf8(box, sheet_.Text(field));
    if (!press.FromStart(field)) continue;
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
  }
  refreshing_ = false;
}

// Modal: the window takes no input until the user dismisses the message.
void Form1::ShowNotice(Notice notice, const std::string& text) {
  const UINT icon = notice == Notice::kWarning ? MB_ICONWARNING : 0;
  MessageBoxW(hwnd_, Widen(text).c_str(), Widen(kTitle).c_str(), MB_OK | icon);
}

int RunMessageLoop(Form1& form) {
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) form.Dispatch(message);
  return static_cast<int>(message.wParam);
}

}  // namespace window
