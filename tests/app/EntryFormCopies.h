// Fixture of the tests where several running copies of the program work on one parts table:
// each copy is a forked process of the test, holding the list and the entry form as the test
// had shown them, which it drives by real keys and clicks of its own.
#pragma once

#include <QTest>

#include <string>

#include "EntryFormTest.h"
#include "tests/engine/Copies.h"

class EntryFormCopies : public EntryForm {
 protected:
  // Types over the edit's text with real keys, as a user selects it and types.
  static void TypeKeys(TExtEdit* edit, const std::string& text) {
    edit->SetFocus();
    QWidget* widget = edit->Widget();
    QTest::keyClick(widget, Qt::Key_Home);
    QTest::keyClick(widget, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClicks(widget, QString::fromStdString(text));
  }

  // Runs one copy to its end; its result, or -1 when it did not end normally.
  static int RunCopy(const std::function<int()>& copy) {
    return RunCopiesAtOnce(1, [&](int) { return copy(); })[0];
  }
};
