// Searching and counting characters and substrings in texts, which the text formats and the
// grid's utilities share (GridUtil.h includes this). Positions are 1-based. The Var forms
// store a found position in P and leave P alone otherwise.
#pragma once

#include <string_view>

#include "platform/core/text.h"

class TStrings;

int CharPos(char Ch, const AnsiString& S);
int VarCharPos(char Ch, const AnsiString& S, int& P);
int VarCharPosNC(char Ch, const AnsiString& S, int& P);  // Ch given upper-cased
int VarPos(const AnsiString& Sub, const AnsiString& S, int& P);
int FIPos(const AnsiString& Sub, const AnsiString& S);  // Sub given upper-cased
char FirstChar(std::string_view Set, const AnsiString& S);  // '\0' when none is in Set
int NumChar(char Ch, const AnsiString& S);
// A single Ch stands next to no other Ch; one in the last position always counts.
int SinglePos(char Ch, const AnsiString& S, int& P);
int NumSingleChar(char Ch, const AnsiString& S);
AnsiString GetToken(AnsiString& S, const AnsiString& Sep);
AnsiString GetNextLine(AnsiString& S, bool Multi);
int LinesInText(const AnsiString& S, bool Multi);
AnsiString StringListToText(const TStrings& List);  // the strings with nothing between them
