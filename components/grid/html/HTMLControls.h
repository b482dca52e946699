// Form controls embedded in mini-HTML text: <CONTROL ID="..." VALUE="..." WIDTH="..."
// TYPE="EDIT|COMBO|CHECK|RADIO|BUTTON">. Reading a control's attributes, and reading and
// writing its value inside a cell text.
#pragma once

#include "platform/core/text.h"

struct THTMLControlTag {
  AnsiString Type;  // upper-cased
  AnsiString Width;
  AnsiString Id;
  AnsiString Value;  // "&lt;", "&gt;" and "&#34;" decoded
};

// The attributes of one control tag; a missing attribute is empty. Each value is the text
// between the first two double quotes after the attribute name, as written.
THTMLControlTag ParseControlTag(const AnsiString& Tag);
// The value of the first control whose ID is Id (compared exactly); false when none has it.
bool GetControlValue(const AnsiString& Text, const AnsiString& Id, AnsiString& Value);
// Rewrites the first control whose ID is Id with NewValue, keeping its width and type; "<",
// ">" and the double quote of the value are written as entities, so the value reads back
// whole. False, and Text unchanged, when no control has that ID.
bool SetControlValue(AnsiString& Text, const AnsiString& Id, const AnsiString& NewValue);
