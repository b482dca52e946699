// What the grid keeps of finding and filtering: the last search (its text, its parameters and
// the cell it found, where the next search goes on) and whether the filter hides rows.
#pragma once

#include <string>

#include "components/grid/core/ExtGridTypes.h"
#include "platform/core/text.h"
#include "platform/graphics/geometry.h"

class TFindFilterState {
 public:
  // A new search for Text: compared in upper case unless fnMatchCase.
  void Start(const AnsiString& Text, TFindParameters Params);
  const AnsiString& Text() const { return text_; }
  TFindParameters Params() const { return params_; }
  // Whether a cell showing CellText matches the search.
  bool Matches(AnsiString CellText) const;

  TPoint Found{-1, -1};  // the last match
  bool FilterActive = false;
  // The fixed rows before filtering, kept while an empty row keeps them fixed (else 0).
  int FilterFixedRows = 0;

  // What is wrong with the filter's state, empty when nothing is.
  std::string Fault() const;

 private:
  AnsiString text_;
  TFindParameters params_;
};
