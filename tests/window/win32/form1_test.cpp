// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#include "window/win32/form1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/window/scenarios.h"
#include "window/win32/scaling.h"
#include "window/win32/wide_text.h"

using grading::Field;
using window::Form1;

namespace {

// A message box as it was while open, with the boxes' texts at that moment.
struct Seen {
  std::string title, text;
  int buttons = 0;
  bool icon = false;
};

// Reads and dismisses every message box the window opens, so that a test
// can look at one and none can hang; `seen` keeps them in order. It runs
// on a timer of the thread, which the box's own modal loop dispatches.
class ModalWatch {
 public:
  ModalWatch() : timer_(SetTimer(nullptr, 0, 10, Tick)) { current_ = this; }
  ~ModalWatch() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  ModalWatch(const ModalWatch&) = delete;
  ModalWatch& operator=(const ModalWatch&) = delete;

  std::vector<Seen> Take() { return std::exchange(seen_, {}); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), MatchOpenBox, reinterpret_cast<LPARAM>(&box));
    // The box already read stays open until its click is handled.
    if (!box || !current_ || (box == current_->closing_ && IsWindow(box))) return;
    current_->closing_ = box;
    current_->Read(box);
  }

  // CALLBACK, as EnumThreadWindows calls it on 32-bit Windows too.
  static BOOL CALLBACK MatchOpenBox(HWND hwnd, LPARAM out) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
  }

  void Read(HWND box) {
    Seen seen;
    seen.title = window::WindowTextUtf8(box);
    seen.text = window::WindowTextUtf8(GetDlgItem(box, 0xFFFF));
    HWND button = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t name[16] = {};
      GetClassNameW(child, name, 16);
      const LONG style = GetWindowLongW(child, GWL_STYLE);
      if (std::wstring(name) == L"Button" && IsWindowVisible(child)) {
        ++seen.buttons;
        button = child;
      } else if ((style & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0)) {
        seen.icon = true;
      }
    }
    seen_.push_back(seen);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }

  static inline ModalWatch* current_ = nullptr;
  const UINT_PTR timer_;
  HWND closing_ = nullptr;
  std::vector<Seen> seen_;
};

class Win32Form1 : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<Form1>(GetModuleHandleW(nullptr));
    ASSERT_TRUE(form_->IsOpen());
    form_->Show(SW_SHOWNORMAL);
    Pump();
    watch_ = std::make_unique<ModalWatch>();
  }

  void TearDown() override {
    watch_.reset();
    form_.reset();
    MSG message;  // the closed window's quit message, among others
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }

  // Handles what is queued, as the program's message loop would.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) form_->Dispatch(message);
  }

  HWND Box(Field field) const { return form_->Box(field); }
  static std::string Text(HWND control) { return window::WindowTextUtf8(control); }

  // The control of that name, by its id (its index in the table, above 1000).
  HWND Control(std::string_view name) const {
    const window::ControlSpec* spec = window::FindControl(name);
    return GetDlgItem(form_->Handle(), 1000 + static_cast<int>(spec - window::kControls.data()));
  }
  static std::string NameOf(HWND control) {
    const int index = GetDlgCtrlID(control) - 1000;
    return index >= 0 && index < static_cast<int>(window::kControls.size())
               ? std::string(window::kControls[static_cast<std::size_t>(index)].name)
               : "(not a control)";
  }

  // Types into the box as the keyboard would, replacing what it held.
  void Type(HWND box, std::wstring_view text) {
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_CHAR, VK_BACK, 1);
    for (wchar_t c : text) SendMessageW(box, WM_CHAR, c, 1);
  }
  // A list of the table's, box by box into the masses.
  void Type(const char* masses) {
    const std::vector<std::string> boxes = scenarios::Words(scenarios::kMassBoxes);
    const std::vector<std::string> typed = scenarios::Words(masses);
    for (std::size_t i = 0; i < boxes.size(); ++i)
      Type(Control(boxes[i]), window::Widen(typed.at(i)));
  }

  // A key pressed where the focus is, with Shift or Ctrl held if asked.
  void Key(WPARAM key, BYTE held = 0) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    if (held) state[held] = 0x80;
    SetKeyboardState(state);
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    // Repeat count 1; the key was down and is being released (bits 30, 31),
    // built so that it fits a 32-bit LPARAM too.
    PostMessageW(focus, WM_KEYUP, key, MAKELPARAM(1, 0xC000));
    Pump();
    if (held) state[held] = 0;
    SetKeyboardState(state);
  }

  void Press() { SendMessageW(form_->Command1(), BM_CLICK, 0, 0); }

  // The first two characters the box shows: a single-line edit tells the
  // first one in view.
  static std::string Shown(HWND box) {
    const std::wstring text = window::Widen(Text(box));
    const auto first = static_cast<std::size_t>(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0));
    return window::Narrow(std::wstring_view(text).substr(std::min(first, text.size()), 2));
  }

  std::unique_ptr<Form1> form_;
  std::unique_ptr<ModalWatch> watch_;
};

TEST_F(Win32Form1, StartsEmptyWithTheFocusInTheFirstInput) {
  for (Field field : grading::kAllFields) EXPECT_EQ(Text(Box(field)), "") << FieldName(field);
  EXPECT_EQ(GetFocus(), Box(Field::s475));
  EXPECT_EQ(Text(form_->Handle()), scenarios::kClient.caption);
  RECT client;
  GetClientRect(form_->Handle(), &client);
  EXPECT_EQ(client.right, scenarios::kClient.width);  // at the 96 dpi of the test display
  EXPECT_EQ(client.bottom, scenarios::kClient.height);
  EXPECT_FALSE(GetWindowLongW(form_->Handle(), GWL_STYLE) & WS_THICKFRAME) << "not resizable";
}

TEST_F(Win32Form1, PlacesTheControlsOfTheGradingTable) {
  for (const scenarios::Place& place : scenarios::kPlaces) {
    HWND control = Control(place.name);
    ASSERT_TRUE(control) << place.name;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, form_->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(Text(control), place.caption) << place.name;
    EXPECT_EQ(
        (std::vector<LONG>{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}),
        (std::vector<LONG>{place.left, place.top, place.width, place.height}))
        << place.name;
  }
  int edits = 0, read_only = 0;
  for (Field field : grading::kAllFields) {
    const LONG style = GetWindowLongW(Box(field), GWL_STYLE);
    ++edits;
    read_only += (style & ES_READONLY) != 0;
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_FALSE(style & ES_MULTILINE);
    EXPECT_GE(SendMessageW(Box(field), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << "no length limit";
  }
  EXPECT_EQ(edits - read_only, 7) << "the six masses and the loss";
  EXPECT_FALSE(GetWindowLongW(form_->Command1(), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

// As Windows tells the window when it moves to a monitor at 150 %.
TEST_F(Win32Form1, FollowsAMoveToAMonitorOfHigherDpi) {
  RECT suggested;
  GetWindowRect(form_->Handle(), &suggested);
  SendMessageW(form_->Handle(), window::kWmDpiChanged, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  RECT client, box;
  GetClientRect(form_->Handle(), &client);
  EXPECT_EQ(client.right, 794);  // 7935 twips at 144 dpi, rounded
  // 266 on Windows; Wine draws the title bar at 96 dpi whatever the
  // window's, which leaves the client area a little taller.
  EXPECT_GE(client.bottom, 266);
  GetWindowRect(Box(Field::s475), &box);
  MapWindowPoints(HWND_DESKTOP, form_->Handle(), reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, 48);
  EXPECT_EQ(box.top, 36);
  EXPECT_EQ(box.right - box.left, 86);
  EXPECT_EQ(box.bottom - box.top, 27);
  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Box(Field::s475), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfHeight, -18) << "9 points at 144 dpi";
  EXPECT_EQ(std::wstring(font.lfFaceName), L"SimSun");
}

// Every caption whole in its label and uncovered by the boxes beside it.
TEST_F(Win32Form1, CaptionsShowWhole) {
  std::vector<RECT> boxes;
  for (const window::ControlSpec& spec : window::kControls) {
    if (spec.kind != window::kTextBox && spec.kind != window::kButton) continue;
    RECT box;
    GetWindowRect(Control(spec.name), &box);
    boxes.push_back(box);
  }
  for (const window::ControlSpec& spec : window::kControls) {
    if (spec.kind != window::kLabel) continue;
    HWND label = Control(spec.name);
    const std::wstring caption = window::Widen(spec.caption);
    HDC dc = GetDC(label);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE extent;
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    RECT text;
    GetWindowRect(label, &text);
    EXPECT_LE(extent.cx, text.right - text.left) << spec.name;
    text.right = text.left + extent.cx;
    text.bottom = text.top + extent.cy;
    for (const RECT& box : boxes) {
      RECT overlap;
      EXPECT_FALSE(IntersectRect(&overlap, &text, &box)) << spec.name << " " << spec.caption;
    }
  }
}

// Tabbing through a box scrolls it to its end; a press by keyboard passes
// the class box on its way to the button. Each result shows its beginning
// after every press, changed or not, error or not.
TEST_F(Win32Form1, ResultsShowTheirBeginningAfterEveryPress) {
  Type(scenarios::kWorked);
  SetFocus(form_->Command1());
  Key(VK_SPACE);
  EXPECT_EQ(Shown(Box(Field::cx)), "中砂");
  Key(VK_TAB, VK_SHIFT);
  ASSERT_EQ(GetFocus(), Box(Field::cx));
  EXPECT_NE(Shown(Box(Field::cx)), "中砂") << "tabbing in scrolls to the end";
  Key(VK_TAB);
  Key(VK_SPACE);  // the same inputs: the class text does not change
  EXPECT_EQ(GetFocus(), form_->Command1());
  EXPECT_EQ(Shown(Box(Field::cx)), "中砂");
  // A press that ends in an error shows the old class from its start too.
  Key(VK_TAB, VK_SHIFT);
  Key(VK_TAB);
  Type(Box(Field::s475), L"500");
  SetFocus(form_->Command1());
  Key(VK_SPACE);
  EXPECT_EQ(watch_->Take().size(), 1u);
  EXPECT_EQ(Shown(Box(Field::cx)), "中砂");
}

// The description changes a screen reader is told of, by control.
std::vector<HWND> described;
void CALLBACK OnDescriptionChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD,
                                  DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) described.push_back(hwnd);
}

class Win32Presses : public Win32Form1, public testing::WithParamInterface<scenarios::Scenario> {};

// The row typed and pressed by keyboard: its message read while open, then
// the boxes, the focus and the selection. A press that fills the table
// tells a screen reader its outcome once, as the focused button's new
// description; one that ends in a message does not (the message speaks).
TEST_P(Win32Presses, ShowWhatTheScenarioSays) {
  const scenarios::Scenario& row = GetParam();
  if (*row.before) {
    Type(row.before);
    Press();
    watch_->Take();
  }
  Type(row.masses);
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                      OnDescriptionChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_TRUE(hook);
  described.clear();
  SetFocus(form_->Command1());
  Key(VK_SPACE);
  Pump();
  UnhookWinEvent(hook);
  const std::vector<Seen> seen = watch_->Take();
  const std::string notice = row.notice;
  ASSERT_EQ(seen.size(), notice.empty() ? 0u : 1u);
  if (!seen.empty()) {
    EXPECT_EQ(seen[0].title, "Vellacor");
    EXPECT_EQ(seen[0].text, row.message);
    EXPECT_EQ(seen[0].icon, notice == "warning");
    EXPECT_EQ(seen[0].buttons, 1);
  }
  const std::vector<std::string> boxes = scenarios::Words(scenarios::kResultBoxes);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_EQ(Text(Control(boxes[i])), scenarios::Shown(row)[i]) << boxes[i];
    EXPECT_EQ(LOWORD(SendMessageW(Control(boxes[i]), EM_GETSEL, 0, 0)), 0)
        << "its beginning in view";
  }
  EXPECT_EQ(NameOf(GetFocus()), *row.select ? row.select : "Command1");
  DWORD from = 1, to = 0;
  SendMessageW(GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
               reinterpret_cast<LPARAM>(&to));
  if (*row.select) {
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, window::Widen(Text(GetFocus())).size()) << "the whole entry selected";
  }
  EXPECT_EQ(described, *row.heard ? std::vector<HWND>{form_->Command1()} : std::vector<HWND>{});
}

INSTANTIATE_TEST_SUITE_P(Window, Win32Presses, testing::ValuesIn(scenarios::kScenarios),
                         [](const testing::TestParamInfo<scenarios::Scenario>& info) {
                           return std::string(info.param.name);
                         });

// Tab visits each stop in turn, and back to the first, and Shift+Tab goes
// back; a box the user may not type into takes no typing.
TEST_F(Win32Form1, TabStopsAndReadOnlyBoxes) {
  for (const scenarios::Stop& stop : scenarios::kTabStops) {
    EXPECT_EQ(NameOf(GetFocus()), stop.name);
    if (std::string_view(stop.name) != "Command1") {
      Type(Control(stop.name), L"12");
      EXPECT_EQ(Text(Control(stop.name)).empty(), stop.read_only) << stop.name;
      Type(Control(stop.name), L"");
    }
    Key(VK_TAB);
  }
  EXPECT_EQ(NameOf(GetFocus()), scenarios::kTabStops[0].name);
  Key(VK_TAB, VK_SHIFT);
  EXPECT_EQ(NameOf(GetFocus()), std::rbegin(scenarios::kTabStops)->name);
}

TEST_F(Win32Form1, SheetGetsWhatTheBoxesHold) {
  Type(Box(Field::s475), L"１２．５");  // as a Chinese input method types it
  EXPECT_EQ(form_->Sheet().Text(Field::s475), "１２．５");
  const std::wstring pasted(40000, L'7');  // beyond the classic limit of 32767
  SetFocus(Box(Field::s236));
  SendMessageW(Box(Field::s236), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pasted.c_str()));
  EXPECT_EQ(form_->Sheet().Text(Field::s236), std::string(40000, '7'));
  Type(Box(Field::ss), L"7");
  for (Field field : grading::kAllFields) {
    if (field != Field::s475 && field != Field::s236 && field != Field::ss) {
      EXPECT_EQ(form_->Sheet().Text(field), "") << FieldName(field);
    }
  }
  EXPECT_EQ(form_->Sheet().Text(Field::ss), "7");
}

TEST_F(Win32Form1, EnterAndEscCalculateOnlyOnTheButton) {
  Type(scenarios::kWorked);
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_EQ(Text(Box(Field::ms)), "");
  EXPECT_TRUE(form_->IsOpen()) << "Esc closes nothing";
  SetFocus(form_->Command1());
  Key(VK_RETURN);
  EXPECT_EQ(Text(Box(Field::ms)), "2.78125");
  EXPECT_TRUE(watch_->Take().empty());
}

TEST_F(Win32Form1, CtrlASelectsTheWholeBox) {
  Type(Box(Field::s118), L"101.1");
  SendMessageW(Box(Field::s118), EM_SETSEL, 2, 2);
  Key('A', VK_CONTROL);
  DWORD from = 1, to = 0;
  SendMessageW(Box(Field::s118), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
               reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(from, 0u);
  EXPECT_EQ(to, 5u);
  EXPECT_EQ(Text(Box(Field::s118)), "101.1") << "no control character typed";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
