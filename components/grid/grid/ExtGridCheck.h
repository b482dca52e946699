// Checkers of cell texts for TExtStringGrid::CellChecker: a checker corrects a text, marks its
// errors, or both, cell by cell (CheckCells) or as an edit ends (ValidateCell). The base
// changes nothing; TCapitalCheck capitalises the starts of sentences.
#pragma once

#include "platform/core/component.h"
#include "platform/core/text.h"

class TExtStringGridCheck : public TComponent {
 public:
  explicit TExtStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

  virtual AnsiString MarkError(int /*ACol*/, int /*ARow*/, const AnsiString& Value) {
    return Value;
  }
  virtual AnsiString Correct(int /*ACol*/, int /*ARow*/, const AnsiString& Value) { return Value; }
  virtual void StartCheck() {}
  virtual void StopCheck() {}

  // Every occurrence of Word in the text without its tags ("<BR>" and "<HR>" a line break)
  // wrapped in <Tag> and </Tag> at its place in the tagged text.
  AnsiString HiLight(const AnsiString& Text, const AnsiString& Word, const AnsiString& Tag,
                     bool DoCase);
  // Text with its first occurrence of Old replaced by New.
  AnsiString ReplaceOnce(const AnsiString& Text, const AnsiString& Old, const AnsiString& New);

  bool GotoCell = false;       // the checked cell becomes the current cell
  bool AutoCorrect = false;    // corrects the text an edit ends with
  bool AutoMarkError = false;  // marks the errors of the text an edit ends with
  bool UseCorrect = false;     // CheckCells corrects
  bool UseMarkError = false;   // CheckCells marks errors
};

class TCapitalCheck : public TExtStringGridCheck {
 public:
  using TExtStringGridCheck::TExtStringGridCheck;
  // The first letter and every letter after ".", "!" or "?" and one space in upper case.
  AnsiString Correct(int ACol, int ARow, const AnsiString& Value) override;
};
