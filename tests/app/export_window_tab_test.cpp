// The export window by the keyboard: it opens in the most lines per file, Tab goes on to the
// two export buttons and passes the instructions, which a user only reads.
#include "ExportWindowTest.h"
#include "tab_walk.h"
#include "window_clicks.h"

namespace {

// A showing that ended on a button starts in the field again.
TEST_F(ExportWindow, TabGoesFromTheMaximumToTheButtons) {
  WriteDatabase(4, 1);
  ShowList();
  const NamedControls controls = {NAMED(form, Memo1), NAMED(form, edtAnzahlProDatei),
                                  NAMED(form, Button1), NAMED(form, btnCSVDatei)};
  std::vector<std::string> reached;
  WhenShown(form, [&] {
    form.Widget()->activateWindow();
    if (QTest::qWaitForWindowActive(form.Widget())) reached = TabWalk(controls);
    form.btnCSVDatei->SetFocus();
    form.ModalResult = mrCancel;
  });
  form.ShowModal();
  const std::vector<std::string> order = {"edtAnzahlProDatei", "Button1", "btnCSVDatei"};
  EXPECT_EQ(reached, order);

  TWinControl* first = nullptr;
  WhenShown(form, [&] {
    first = form.GetActiveControl();
    form.ModalResult = mrCancel;
  });
  form.ShowModal();
  EXPECT_EQ(first, form.edtAnzahlProDatei);
}

}  // namespace
