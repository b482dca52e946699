// Clicks: an address opens through the shell only for web, file-transfer and mail schemes,
// and only in a focused edit; clicks keep the caret out of Prefix and Suffix.
#include <vector>

#include "edit_form.h"
#include "platform/controls/shell.h"

namespace {

class EditMouse : public EditForm {
 protected:
  void SetUp() override {
    EditForm::SetUp();
    edit = NewEdit(20, 20, 200);
    other = NewEdit(20, 60);
    previous_ = SetShellOpenHook([this](const AnsiString& target) {
      opened.push_back(target);
      return true;
    });
  }
  void TearDown() override { SetShellOpenHook(previous_); }
  void Click(int x) {
    QTest::mouseClick(edit->Widget(), Qt::LeftButton, {}, QPoint(x, edit->GetHeight() / 2));
  }

  TExtEdit* edit = nullptr;
  TExtEdit* other = nullptr;
  std::vector<AnsiString> opened;

 private:
  ShellOpenHook previous_;
};

TEST_F(EditMouse, ClickOpensOnlySafeAddresses) {
  edit->ShowURL = true;
  Show();
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"http://example.org", "http://example.org"},
      {"HTTPS://example.org/a", "HTTPS://example.org/a"},
      {"ftp://files.example.org", "ftp://files.example.org"},
      {"mailto:teile@example.org", "mailto:teile@example.org"},
      {"teile@example.org", "mailto:teile@example.org"},
      {"file:///usr/bin/xterm", nullptr},
      {"smb://server/share", nullptr},
      {"x@y:/etc/passwd", nullptr},
  };
  for (auto [value, target] : cases) {
    opened.clear();
    edit->SetText(value);
    edit->SetFocus();
    Click(10);
    if (target)
      EXPECT_EQ(opened, std::vector<AnsiString>{target}) << value;
    else
      EXPECT_TRUE(opened.empty()) << value;
  }
}

TEST_F(EditMouse, ClickIntoAnUnfocusedEditOpensNothing) {
  edit->ShowURL = true;
  edit->SetText("http://example.org");
  Show();
  other->SetFocus();
  Click(10);
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(edit->Focused());
  Click(10);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(EditMouse, ClicksKeepTheCaretOutOfPrefixAndSuffix) {
  edit->SetPrefix("Nr. ");
  edit->SetSuffix(" Stk");
  edit->SetText("12");
  Show();
  edit->SetFocus();
  Click(edit->GetWidth() - 10);  // beyond the Suffix
  EXPECT_EQ(edit->GetSelStart(), 6);
  EXPECT_EQ(edit->GetSelLength(), 0);
  Click(edit->PosFromChar(1).x + 1);  // inside the Prefix
  EXPECT_EQ(edit->GetSelStart(), 4);
  EXPECT_EQ(edit->GetSelLength(), 2);
}

}  // namespace
