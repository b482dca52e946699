// A modal dialog that asks for one value in a typed edit: a prompt, the edit, OK and Cancel.
#pragma once

#include <cstdint>

#include "components/edit/ExtEdit.h"

// How the dialog's edit is set up beyond its type.
struct TQueryParams {
  int16_t Precision = 0;
  bool Flat = false;
  int16_t LengthLimit = 0;
  AnsiString Prefix;
  AnsiString Suffix;
};

// Shows Value in an edit of EditType (a value the type does not take shows as "0"); with OK
// Value becomes the edit's value, without Prefix and Suffix, and the result is true. Cancel
// leaves Value as it was. Params may be null.
bool ExtInputQuery(TExtEditType EditType, const TQueryParams* Params, const AnsiString& Caption,
                   const AnsiString& Prompt, AnsiString& Value);
