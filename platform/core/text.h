// Text as the class library has it: 8-bit strings of Windows-1252 bytes, the string
// functions the program calls (positions counted from 1 where the library counts so),
// number formatting and the locale's separators.
#pragma once

#include <cstdint>
#include <string>

using AnsiString = std::string;

// Every one of the 256 bytes survives a round trip; the five bytes Windows-1252 leaves
// undefined travel as the C1 control characters of the same value.
std::string AnsiToUtf8(const AnsiString& text);
AnsiString Utf8ToAnsi(const std::string& text);  // characters outside Windows-1252 become '?'
// The Windows-1252 byte of a Unicode character; -1 for a character it does not have.
int UnicodeToAnsi(char32_t codePoint);

// Locale settings: they start from the user's locale and may be set (tests set them).
extern char DecimalSeparator;
extern char ThousandSeparator;
extern char DateSeparator;
extern char TimeSeparator;  // between hours, minutes and seconds
extern AnsiString ShortDateFormat;

AnsiString IntToStr(int64_t value);
AnsiString IntToHex(int64_t value, int digits);
int StrToInt(const AnsiString& text);  // throws EConvertError
int StrToIntDef(const AnsiString& text, int fallback);
bool TryStrToInt(const AnsiString& text, int& value);
double StrToFloat(const AnsiString& text);  // throws EConvertError; uses DecimalSeparator
double StrToFloatDef(const AnsiString& text, double fallback);
bool TryStrToFloat(const AnsiString& text, double& value);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
AnsiString FloatToStr(double value);  // general format, 15 significant digits
AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits);

AnsiString UpperCase(const AnsiString& text);  // ASCII letters only
AnsiString LowerCase(const AnsiString& text);
AnsiString AnsiUpperCase(const AnsiString& text);  // every Windows-1252 letter
AnsiString AnsiLowerCase(const AnsiString& text);
char AnsiUpperChar(char c);
char AnsiLowerChar(char c);
int CompareText(const AnsiString& a, const AnsiString& b);  // ASCII case ignored
bool SameText(const AnsiString& a, const AnsiString& b);
// Every Windows-1252 letter's case ignored: an ordinal comparison of the AnsiUpperCase forms,
// so umlauts sort after Z rather than beside their base letters as a locale's collation would.
int AnsiCompareText(const AnsiString& a, const AnsiString& b);
bool AnsiSameText(const AnsiString& a, const AnsiString& b);

AnsiString Trim(const AnsiString& text);  // strips blanks and control characters
AnsiString TrimLeft(const AnsiString& text);
AnsiString TrimRight(const AnsiString& text);

// 1-based, as the class library counts: Pos gives 0 when not found.
int Pos(const AnsiString& sub, const AnsiString& text);
AnsiString Copy(const AnsiString& text, int index, int count);
void Delete(AnsiString& text, int index, int count);
void Insert(const AnsiString& sub, AnsiString& text, int index);

AnsiString StringOfChar(char c, int count);
AnsiString StringReplaceAll(const AnsiString& text, const AnsiString& from, const AnsiString& to);
