// The query window by the keyboard: it opens in the first criterion's field, and Tab goes
// through the criteria line by line, the sort fields, the descriptions and the buttons, and
// round to the case switch above the criteria.
#include "QueryWindowTest.h"
#include "tab_walk.h"

namespace {

TEST_F(QueryWindow, TabFollowsTheReadingOrderFromTheFirstCriterion) {
  NamedControls controls = {
      NAMED(form, chkGrossKlein),    NAMED(form, edtReiter),    NAMED(form, edtBeschreibung1),
      NAMED(form, edtBeschreibung2), NAMED(form, btnLaden),     NAMED(form, btnSpeichern),
      NAMED(form, btnLoeschen),      NAMED(form, btnAbbrechen), NAMED(form, btnOK)};
  std::vector<std::string> expected;
  for (int k = 1; k <= 27; ++k) {
    controls.push_back({static_cast<TWinControl*>(form.SlotControl(k)), "cbo" + std::to_string(k)});
    if (k < 27) expected.push_back("cbo" + std::to_string(k));  // the third sort field is hidden
  }
  expected.insert(expected.end(),
                  {"edtBeschreibung1", "edtBeschreibung2", "btnLaden", "btnSpeichern",
                   "btnLoeschen", "btnAbbrechen", "btnOK", "chkGrossKlein"});
  std::vector<std::string> reached;
  Call([&] {
    form.Widget()->activateWindow();
    if (QTest::qWaitForWindowActive(form.Widget())) reached = TabWalk(controls);
    form.ModalResult = mrCancel;
  });
  EXPECT_EQ(reached, expected);
}

}  // namespace
