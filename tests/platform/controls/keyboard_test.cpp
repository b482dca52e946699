#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/stdctrls/button.h"
#include "platform/controls/clipboard.h"
#include "platform/stdctrls/edit.h"
#include "platform/controls/forms.h"

namespace {

// Logs what an edit's handlers receive, in order.
struct KeyLog {
  std::vector<std::string> entries;
  void Watch(TWinControl* control, const std::string& name) {
    control->OnKeyDown = [=, this](TObject*, WORD& key, TShiftState shift) {
      entries.push_back(name + " down " + std::to_string(key) + (shift.Contains(ssShift) ? " shift" : ""));
    };
    control->OnKeyPress = [=, this](TObject*, char& key) {
      entries.push_back(name + " press " + std::string(1, key));
    };
    control->OnKeyUp = [=, this](TObject*, WORD& key, TShiftState) {
      entries.push_back(name + " up " + std::to_string(key));
    };
  }
};

class Keyboard : public testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 300, 200);
    edit = Add<TEdit>(8, 8);
  }
  template <class T>
  T* Add(int left, int top) {
    auto* control = new T(&form);
    control->SetParent(&form);
    control->SetLeft(left);
    control->SetTop(top);
    return control;
  }
  void ShowActive() {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
  }
  void ShowFocused(TWinControl* control) {
    ShowActive();
    control->SetFocus();
  }
  QWidget* Focus() const { return QApplication::focusWidget(); }
  // A key as the keyboard sends it: down to the focused widget, up to the one focused then.
  void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyPress(Focus(), key, modifiers);
    QTest::keyRelease(Focus(), key, modifiers);
  }

  TForm form{nullptr};
  TEdit* edit = nullptr;
  KeyLog log;
};

TEST_F(Keyboard, KeyDownKeyPressKeyUpInOrderWithVirtualKeys) {
  ShowFocused(edit);
  log.Watch(edit, "edit");
  QTest::keyClick(edit->Widget(), Qt::Key_A);
  QTest::keyClick(edit->Widget(), 'B', Qt::ShiftModifier);
  QTest::keyClick(edit->Widget(), Qt::Key_Left);
  EXPECT_EQ(log.entries, (std::vector<std::string>{
                             "edit down 65", "edit press a", "edit up 65", "edit down 16",
                             "edit down 66 shift", "edit press B", "edit up 66", "edit up 16",
                             "edit down 37", "edit up 37"}));
  EXPECT_EQ(edit->GetText(), "aB");
  EXPECT_EQ(edit->GetSelStart(), 1);
}

TEST_F(Keyboard, ZeroedCharacterNeverReachesTheText) {
  ShowFocused(edit);
  edit->OnKeyPress = [](TObject*, char& key) {
    if (key >= '0' && key <= '9') key = 0;
    if (key == 'x') key = 'y';
  };
  QTest::keyClicks(edit->Widget(), "a1x2");
  EXPECT_EQ(edit->GetText(), "ay");
}

TEST_F(Keyboard, ZeroedKeyStopsTheKeyButNotItsCharacter) {
  ShowFocused(edit);
  edit->SetText("abc");
  edit->SetSelStart(3);
  edit->OnKeyDown = [](TObject*, WORD& key, TShiftState) { key = 0; };
  QTest::keyClick(edit->Widget(), Qt::Key_Left);   // the caret stays
  QTest::keyClick(edit->Widget(), Qt::Key_D);      // WM_CHAR comes all the same
  EXPECT_EQ(edit->GetText(), "abcd");
}

TEST_F(Keyboard, CharactersArriveAsWindows1252Bytes) {
  ShowFocused(edit);
  std::string pressed;
  edit->OnKeyPress = [&](TObject*, char& key) { pressed += key; };
  QTest::sendKeyEvent(QTest::Click, edit->Widget(), Qt::Key_Udiaeresis, QString::fromUtf8("\xC3\xBC"), {});
  // The euro sign has no key of its own here; its character arrives all the same.
  QTest::sendKeyEvent(QTest::Click, edit->Widget(), Qt::Key_unknown, QString::fromUtf8("\xE2\x82\xAC"), {});
  EXPECT_EQ(pressed, "\xFC\x80");
  EXPECT_EQ(edit->GetText(), "\xFC\x80");
}

TEST_F(Keyboard, KeypadDecimalKeyIsToldApart) {
  ShowFocused(edit);
  std::vector<std::pair<WORD, int>> keys;
  struct Probe : TEdit {
    using TEdit::TEdit;
    std::vector<int> charData;
    void WMChar(TWMChar& message) override {
      charData.push_back(message.KeyData);
      TEdit::WMChar(message);
    }
  };
  auto* probe = Add<Probe>(8, 40);
  probe->SetFocus();
  probe->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { keys.emplace_back(key, 0); };
  QTest::keyClick(probe->Widget(), Qt::Key_Period, Qt::KeypadModifier);
  QTest::keyClick(probe->Widget(), Qt::Key_Period);
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].first, VK_DECIMAL);
  EXPECT_EQ(keys[1].first, VK_OEM_PERIOD);
  ASSERT_EQ(probe->charData.size(), 2u);
  EXPECT_TRUE(probe->charData[0] & (1 << 22));
  EXPECT_FALSE(probe->charData[1] & (1 << 22));
  EXPECT_EQ(probe->GetText(), "..");
}

TEST_F(Keyboard, KeyPreviewGivesTheFormTheKeysFirst) {
  ShowFocused(edit);
  log.Watch(edit, "edit");
  form.KeyPreview = true;
  form.OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    log.entries.push_back("form down " + std::to_string(key));
    if (key == VK_F2) key = 0;
  };
  form.OnKeyPress = [&](TObject*, char& key) { log.entries.push_back(std::string("form press ") + key); };
  QTest::keyClick(edit->Widget(), Qt::Key_F2);
  QTest::keyClick(edit->Widget(), Qt::Key_Q);
  EXPECT_EQ(log.entries, (std::vector<std::string>{
                             "form down 113", "edit up 113",
                             "form down 81", "edit down 81", "form press q", "edit press q",
                             "edit up 81"}));
}

TEST_F(Keyboard, TabFollowsTabOrderAndSkipsControlsWithoutTabStop) {
  auto* second = Add<TEdit>(8, 40);
  auto* third = Add<TEdit>(8, 72);
  auto* skipped = Add<TEdit>(8, 104);
  skipped->SetTabStop(false);
  third->SetTabOrder(0);  // third, edit, second, skipped
  EXPECT_EQ(edit->GetTabOrder(), 1);
  std::vector<std::string> order;
  for (auto [control, name] : {std::pair{edit, "edit"}, {second, "second"}, {third, "third"}}) {
    control->OnEnter = [&order, n = name](TObject*) { order.push_back(std::string("enter ") + n); };
    control->OnExit = [&order, n = name](TObject*) { order.push_back(std::string("exit ") + n); };
  }
  ShowActive();
  EXPECT_EQ(form.GetActiveControl(), third);  // the first in tab order gets the focus
  Type(Qt::Key_Tab);
  EXPECT_EQ(form.GetActiveControl(), edit);
  Type(Qt::Key_Tab);
  Type(Qt::Key_Tab);  // round again, past the one without TabStop
  EXPECT_EQ(form.GetActiveControl(), third);
  Type(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(form.GetActiveControl(), second);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(order, (std::vector<std::string>{"enter third", "exit third", "enter edit",
                                             "exit edit", "enter second", "exit second",
                                             "enter third", "exit third", "enter second"}));
}

TEST_F(Keyboard, TabNeverReachesKeyDownOrTheText) {
  ShowFocused(edit);
  auto* second = Add<TEdit>(8, 40);
  log.Watch(edit, "edit");
  log.Watch(second, "second");
  Type(Qt::Key_Tab);
  EXPECT_EQ(log.entries, std::vector<std::string>{"second up 9"});  // its key-up arrives
  EXPECT_EQ(edit->GetText(), "");
  EXPECT_EQ(second->GetText(), "");
}

TEST_F(Keyboard, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  auto* ok = Add<TButton>(8, 40);
  auto* cancel = Add<TButton>(90, 40);
  auto* other = Add<TButton>(170, 40);
  ok->SetDefault(true);
  cancel->Cancel = true;
  std::vector<std::string> clicks;
  ok->OnClick = [&](TObject*) { clicks.push_back("ok"); };
  cancel->OnClick = [&](TObject*) { clicks.push_back("cancel"); };
  other->OnClick = [&](TObject*) { clicks.push_back("other"); };
  log.Watch(edit, "edit");
  ShowFocused(edit);
  Type(Qt::Key_Return);
  Type(Qt::Key_Escape);
  other->SetFocus();  // a focused button takes Enter itself
  Type(Qt::Key_Return);
  EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel", "other"}));
  // The form takes the key-down; the key-up reaches the control as it does on Windows.
  EXPECT_EQ(log.entries, (std::vector<std::string>{"edit up 13", "edit up 27"}));
}

// Return presses the focused button, else the default one, and the default frame shows which:
// it follows the focus to a button and comes back to the default when the focus leaves it.
TEST_F(Keyboard, TheDefaultFrameFollowsTheFocusedButtonAndComesBack) {
  auto* ok = Add<TButton>(8, 60);
  ok->ModalResult = mrOk;
  ok->SetDefault(true);
  auto* cancel = Add<TButton>(100, 60);
  cancel->ModalResult = mrCancel;
  cancel->Cancel = true;
  auto framed = [](TButton* button) {
    return static_cast<QPushButton*>(button->Widget())->isDefault();
  };
  std::vector<bool> frames;
  auto note = [&] { frames.insert(frames.end(), {framed(ok), framed(cancel)}); };
  auto showWith = [&](std::function<void()> keys) {
    QTimer::singleShot(0, [&, keys] {
      if (QTest::qWaitForWindowActive(form.Widget())) {
        edit->SetFocus();
        keys();
      }
      if (form.ModalResult == mrNone) form.ModalResult = mrAbort;
    });
    return form.ShowModal();
  };
  EXPECT_EQ(showWith([&] {
              note();
              Type(Qt::Key_Tab);  // OK
              note();
              Type(Qt::Key_Tab);  // the cancel button
              note();
              Type(Qt::Key_Tab);  // the edit again
              note();
              QTest::keyClicks(Focus(), "Liste.pdf");
              Type(Qt::Key_Return);
            }),
            mrOk);
  EXPECT_EQ(frames, (std::vector<bool>{true, false, true, false, false, true, true, false}));
  EXPECT_EQ(edit->GetText(), "Liste.pdf");
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
    EXPECT_EQ(showWith([&] {
                Type(Qt::Key_Tab);
                Type(Qt::Key_Tab);
                Type(key);
              }),
              mrCancel);
}

// A form without a cancel button closes on the Esc its controls leave, when it asks for it;
// a cancel button still answers first, and a form that does not ask lets the key through.
TEST_F(Keyboard, EscClosesAFormThatAsksForItAsItsFrameWould) {
  form.EscapeCloses = true;
  std::vector<std::string> closes;
  form.OnClose = [&](TObject*, TCloseAction&) { closes.push_back("close"); };
  auto esc = [&] { QTest::keyClick(edit->Widget(), Qt::Key_Escape); };
  QTimer::singleShot(0, esc);
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(closes, std::vector<std::string>{"close"});

  auto* cancel = Add<TButton>(90, 40);
  cancel->Cancel = true;
  cancel->ModalResult = mrAbort;
  QTimer::singleShot(0, esc);
  EXPECT_EQ(form.ShowModal(), mrAbort);

  cancel->Cancel = false;
  form.EscapeCloses = false;
  log.Watch(edit, "edit");
  QTimer::singleShot(0, [&] {
    esc();
    EXPECT_TRUE(form.GetVisible());
    form.ModalResult = mrOk;
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(log.entries,
            (std::vector<std::string>{"edit down 27", "edit press \x1B", "edit up 27"}));
}

TEST_F(Keyboard, EnterWithoutDefaultButtonReachesTheControl) {
  ShowFocused(edit);
  log.Watch(edit, "edit");
  Type(Qt::Key_Return);
  EXPECT_EQ(log.entries,
            (std::vector<std::string>{"edit down 13", "edit press \r", "edit up 13"}));
}

TEST_F(Keyboard, PostedTabMovesTheFocusThroughTheMessageLoop) {
  auto* second = Add<TEdit>(8, 40);
  ShowFocused(edit);
  PostMessage(edit->GetHandle(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(edit->Focused());  // not yet: it waits for the loop
  QApplication::processEvents();
  EXPECT_TRUE(second->Focused());
}

// An edit that refuses digits however they would arrive.
class LettersOnly : public TEdit {
 public:
  using TEdit::TEdit;
  int refusedPastes = 0;

 protected:
  void WMChar(TWMChar& Message) override {
    if (Message.CharCode >= '0' && Message.CharCode <= '9') return;
    TEdit::WMChar(Message);
  }
  void WMPaste() override {
    AnsiString text = Clipboard()->GetAsText();
    if (text.find_first_of("0123456789") != AnsiString::npos) {
      ++refusedPastes;
      return;
    }
    TEdit::WMPaste();
  }
};

TEST_F(Keyboard, DerivedEditSeesAndRefusesPastesFromEveryKey) {
  auto* letters = Add<LettersOnly>(8, 40);
  ShowFocused(letters);
  Clipboard()->SetAsText("a1");
  Type(Qt::Key_V, Qt::ControlModifier);
  Type(Qt::Key_Insert, Qt::ShiftModifier);
  letters->PasteFromClipboard();
  EXPECT_EQ(letters->refusedPastes, 3);
  EXPECT_EQ(letters->GetText(), "");
  Clipboard()->SetAsText("ab\r\ncd");
  Type(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(letters->GetText(), "ab");  // one line, as a single-line edit takes it
  EXPECT_TRUE(letters->GetModified());
}

TEST_F(Keyboard, InputMethodTextPassesTheCharacterFilter) {
  auto* letters = Add<LettersOnly>(8, 40);
  ShowFocused(letters);
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("x7y"));
  QApplication::sendEvent(Focus(), &commit);
  EXPECT_EQ(letters->GetText(), "xy");
}

TEST_F(Keyboard, CopyAndCutKeysGoThroughTheEdit) {
  ShowFocused(edit);
  edit->SetText("Hallo Welt");
  edit->SetSelStart(6);
  edit->SetSelLength(4);
  EXPECT_EQ(edit->GetSelText(), "Welt");
  Type(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->GetAsText(), "Welt");
  edit->SetSelStart(0);
  edit->SetSelLength(5);
  Type(Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(Clipboard()->GetAsText(), "Hallo");
  EXPECT_EQ(edit->GetText(), " Welt");
  edit->SetPasswordChar('*');
  edit->SelectAll();
  Type(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard()->GetAsText(), "Hallo");  // a password stays off the clipboard
}

}  // namespace
