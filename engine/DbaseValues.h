// The encoding of the engine's side files (the database definition, saved queries, link
// files and record locks): typed integers ("i", u32 4, u32 value), typed texts ("S", u32
// length, the bytes) and lines (the bytes, CR LF). A reader never leaves its value or the
// text buffer: a short or damaged file yields the empty text and 0, and the next value is
// read from where this one ends.
#pragma once

#include <cstdio>

#include "platform/core/text.h"

// One line into dbase_text, at most kDbaseLineLength characters of it: 0 when a CR ended it
// (its LF is dropped) or the limit was reached, -1 when the file ended first. The rest of
// an over-long line is passed over, up to and including its CR LF.
inline constexpr int kDbaseLineLength = 80;
int dbase_zeilelesen(FILE* datei);
// dbase_text and CR LF: 0, or -1 when a write failed.
int dbase_zeileschreiben(FILE* datei);

int dbase_intschreiben(int wert, FILE* datei);
// 0 when the value is missing, or when its stored length is not 4 (the value is passed over).
int dbase_intlesen(FILE* datei);
// 0, or -1 after a message when the text could not be written.
int dbase_ansischreiben(const AnsiString& text, FILE* datei);
// Up to the stored length, less at the end of the file; NUL bytes are dropped.
AnsiString dbase_ansilesen(FILE* datei);
