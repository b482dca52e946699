// A typed edit on a shown form, with a second edit to move the focus to, and the real Qt key
// events that reach it. Parametrised by the locale's separators; texts in tests are written
// with German separators and turned into the current locale's by Localised.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "components/edit/ExtEdit.h"
#include "locale_scope.h"
#include "platform/controls/forms.h"

class ShownEdit : public testing::TestWithParam<LocaleSettings> {
 protected:
  ShownEdit() : locale_(GetParam()) {}

  void SetUp() override {
    form.SetBounds(0, 0, 300, 200);
    edit = new TExtEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(8, 8, 150, 21);
    other = new TExtEdit(&form);
    other->SetParent(&form);
    other->SetBounds(8, 40, 150, 21);
  }
  void ShowFocused() {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    edit->SetFocus();
  }
  // Text with German separators, typed in the current locale's.
  void Type(const AnsiString& german) { TypeAsIs(Localised(german)); }
  void TypeAsIs(const AnsiString& text) {
    QTest::keyClicks(Focus(), QString::fromLatin1(text.c_str()));
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Focus(), key, modifiers);
  }
  // The value and the caret's place in it in one text: "12|3" or "[12]3" for a selection.
  AnsiString Shown() const {
    AnsiString text = edit->TControl::GetText();
    int start = edit->GetSelStart(), length = edit->GetSelLength();
    if (length == 0) return text.insert(static_cast<std::size_t>(start), "|");
    text.insert(static_cast<std::size_t>(start + length), "]");
    return text.insert(static_cast<std::size_t>(start), "[");
  }
  // Puts a value into the window as it stands, unformatted, and the caret (or a selection)
  // at a place in the window text.
  void Place(const AnsiString& german, int caret, int length = 0) {
    edit->TControl::SetText(edit->GetPrefix() + Localised(german) + edit->GetSuffix());
    edit->SetSelStart(caret);
    if (length) edit->SetSelLength(length);
  }
  static QWidget* Focus() { return QApplication::focusWidget(); }
  static AnsiString L(const AnsiString& german) { return Localised(german); }

  LocaleScope locale_;
  TForm form{nullptr};
  TExtEdit* edit = nullptr;
  TExtEdit* other = nullptr;
};

#define EDIT_LOCALES(suite) \
  INSTANTIATE_TEST_SUITE_P(Locales, suite, testing::Values(kGerman, kEnglish), LocaleName)
