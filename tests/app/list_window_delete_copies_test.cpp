// Deleting from a list that another running copy has made stale: the list deletes by record
// number and new records reuse deleted slots, so a row may name another user's part by now.
// The other copies are forked processes with the list and the entry form of their own.
#include "EntryFormCopies.h"

namespace {

constexpr const char* kStale =
    "Der Datensatz wurde inzwischen von einem anderen Bediener ge\xE4ndert oder gel\xF6scht - "
    "nichts gel\xF6scht";

class StaleListDelete : public EntryFormCopies {
 protected:
  // Deletes the record of a row by the list's button, answering "Yes".
  void ClickDelete(int row) {
    log.texts.clear();
    ClickCell(1, row);
    log.Answer(mrYes);
    Click(list.btnLoeschen);
  }
  // 0 when nothing but the question was said.
  int DeleteFromList(int row) {
    ClickDelete(row);
    return log.texts.size() == 1 ? 0 : 1;
  }
  // Opens the record of an index position in the entry form, or a new one (-1), types the
  // designation with real keys and saves; 0 when saved into slot `slot` without a word.
  int SaveDesignation(long position, const std::string& designation, long slot) {
    log.texts.clear();
    if (position < 0)
      OpenNew();
    else
      Open(position);
    TypeKeys(form.edtKalvento_Bezeichnun, designation);
    Click(form.btnOK);
    return log.texts.empty() && !form.GetVisible() && dbase_satznummer == slot ? 0 : 1;
  }
  // This copy's stale row: the deletion is refused, says why and runs the list again.
  void ExpectRefused(int row, long record) {
    ClickDelete(row);
    EXPECT_EQ(log.texts,
              (std::vector<AnsiString>{"Datensatz wirklich l\xF6schen?", kStale}));
    EXPECT_FALSE(Locked(record));
  }
};

// Copy A deletes "Teil 03", copy C's new part takes its slot, and this copy, whose list still
// shows "Teil 03", tries to delete it.
TEST_F(StaleListDelete, ARowWhoseSlotNowHoldsAnotherPartDeletesNothing) {
  EXPECT_EQ(Cell(1, 4), "Teil 03");
  EXPECT_EQ(RunCopy([&] { return DeleteFromList(4); }), 0);                    // copy A
  EXPECT_EQ(RunCopy([&] { return SaveDesignation(-1, "Neu von C", 3); }), 0);  // copy C
  EXPECT_EQ(Cell(1, 4), "Teil 03");
  ExpectRefused(4, 3);
  EXPECT_EQ(Stored(3, kDesignation), "Neu von C");
  EXPECT_EQ(Cell(1, 4), "Neu von C");  // the list ran again
  EXPECT_EQ(Hits(), "30");
}

// A layout without the designation compares the fields it shows: here the supplier, which
// C's new part leaves empty.
TEST_F(StaleListDelete, ALayoutWithoutTheDesignationComparesTheFieldsItShows) {
  ClickTab(3);
  EXPECT_EQ(Cell(1, 4), "Conrad");
  EXPECT_EQ(RunCopy([&] { return DeleteFromList(4); }), 0);
  EXPECT_EQ(RunCopy([&] { return SaveDesignation(-1, "Neu von C", 3); }), 0);
  ExpectRefused(4, 3);
  EXPECT_EQ(Stored(3, kDesignation), "Neu von C");
  EXPECT_EQ(Cell(1, 4), "");
}

// A record another copy deleted, and one it renamed: neither is deleted here.
TEST_F(StaleListDelete, ARowWhoseRecordWasDeletedOrRenamedDeletesNothing) {
  EXPECT_EQ(RunCopy([&] { return DeleteFromList(6); }), 0);
  ExpectRefused(6, 5);
  EXPECT_EQ(Hits(), "29");  // the list ran again without it
  EXPECT_EQ(Cell(1, 6), "Teil 06");

  EXPECT_EQ(RunCopy([&] { return SaveDesignation(6, "Teil 07 neu", 7); }), 0);
  EXPECT_EQ(Cell(1, 7), "Teil 07");
  ExpectRefused(7, 7);
  EXPECT_EQ(Stored(7, kDesignation), "Teil 07 neu");
  EXPECT_EQ(Cell(1, 7), "Teil 07 neu");
}

}  // namespace
