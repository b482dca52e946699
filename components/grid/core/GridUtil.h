// Free functions the grid's sorting, filtering, editing, painting and import and export code
// share: searching and counting in cell texts, the line-break conversions of the file and
// export formats (these two are declared in formats/TextSearch.h and formats/LineBreaks.h,
// which the text formats use without the grid), classification and number clean-up of cell
// texts, dates, the filter condition language, and small colour, geometry and drawing
// helpers. None keeps state. Positions are 1-based; the locale's separators are read at each call.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/grids/grid_types.h"
#include "platform/graphics/color.h"
#include "platform/core/datetime.h"
#include "platform/graphics/geometry.h"
#include "platform/core/text.h"
#include "components/grid/formats/LineBreaks.h"
#include "components/grid/formats/TextSearch.h"

class TBitmap;
class TCanvas;
class TStrings;
class TWinControl;

enum TAutoType { atNumeric, atFloat, atString, atDate, atTime };
enum TTextType { ttText, ttHTML, ttRTF, ttFormula, ttURL };

// Text conversions (GridUtilText.cpp, GridUtilOem.cpp).
AnsiString StringToPassword(AnsiString& S, char Ch);
AnsiString StringToOem(AnsiString& S);
AnsiString OemToString(AnsiString& S);
AnsiString DoubleToSingleChar(char Ch, const AnsiString& S);
AnsiString ShiftCase(const AnsiString& S);
// A cell's float: thousand separators taken out, empty text 0; false for text that is none.
bool CellTextToFloat(const AnsiString& S, double& Value);
bool IsURL(const AnsiString& S);
AnsiString StripURLProtocol(AnsiString& S);

// Classification and number clean-up (GridUtilClassify.cpp).
TTextType TextType(const AnsiString& S, bool HTMLEnabled);
TAutoType IsType(const AnsiString& S);
AnsiString FixDecimalSeparator(const AnsiString& S);
AnsiString RemoveSeps(const AnsiString& S);
bool NameToCell(const AnsiString& Name, TGridCoord& Cell);  // "R<row>C<col>"

// Dates (GridUtilDates.cpp). Short dates give 0 when the text contains no valid date; a one-
// or two-digit year below 26 lies in 2000 onwards, any other in 1900 onwards.
TDateTime StrToShortdateUS(const AnsiString& S);  // month, day, year
TDateTime StrToShortDateEU(const AnsiString& S);  // day, month, year
// A date in the order of ShortDateFormat's fields, separated by DateSeparator.
bool StrToDateFmt(const AnsiString& S, TDateTime& Date);
// The next date of a series: Days, Years or Months on when only that one is given (a day
// the target month lacks becomes its last day), otherwise Step days on; negative counts go
// back. Throws EConvertError outside the years 1 to 9999.
TDateTime GetNextDate(TDateTime Date, int Years, int Months, int Days,
                      TDateTime Step);

// The filter condition language (GridUtilFilter.cpp): "&" is AND; ";", "^" and "|" are OR;
// ">", ">=", "<", "<=" compare as numbers, dates or texts; "*", "?" and "!" are wildcards.
bool MatchStrEx(const AnsiString& Condition, const AnsiString& Value, bool CaseSensitive);
bool MatchStr(const AnsiString& Condition, const AnsiString& Value, bool CaseSensitive);
bool Matches(const AnsiString& Pattern, const AnsiString& Value);

// Colours (GridUtilColor.cpp).
AnsiString HTMLColor(TColor Color);  // "RRGGBB" of the value as stored
TColor DarkenColor(TColor Color);    // each of red, green and blue halved

// Numbers and geometry (GridUtilGeometry.cpp).
int CheckLimits(int Value, int Min, int Max);  // Min = Max means no limits
int Max(int A, int B);
int Min(int A, int B);
bool IsInGridRect(const TGridRect& Rect, int X, int Y);
// The part of R inside ColCount x RowCount cells; empty (Left > Right or Top > Bottom) when
// they do not meet.
TGridRect ClipGridRect(const TGridRect& R, int ColCount, int RowCount);
AnsiString RectString(const TGridRect& R);  // "[Left:Top][Right:Bottom]"
// The box a text of Size takes turned by Degrees, as its cell's text measure gives it: 12
// pixels added each way for the turned glyphs' overhang.
TSize RotatedTextSize(TSize Size, int Degrees);

// Drawing (GridUtilDraw.cpp). DrawBitmapTransp draws the bitmap at Rect's top left in its
// own size with the colour of its top-left pixel replaced by Color. DrawErrorLines draws a
// red zigzag under ErrorLength characters from ErrorStart (0-based) of a text laid out as a
// multi-line edit of Rect's width in the canvas's font would lay it out; YOffset is the line
// height. Parent is not needed for the layout here.
void DrawBitmapTransp(TCanvas* Canvas, TBitmap* Bitmap, TColor Color, const TRect& Rect);
// The same for a bitmap of the program's own (GridResources.h); nothing for an unknown name.
void DrawBitmapResourceTransp(TCanvas* Canvas, TColor Color, const TRect& Rect,
                              const AnsiString& ResourceName);
// Fills Rect with Steps bands of colour from From to To, top to bottom (Vertical) or left to
// right; 0 steps count as 1.
void DrawGradient(TCanvas* Canvas, TColor From, TColor To, int Steps, bool Vertical,
                  const TRect& Rect);
void DrawErrorLines(TWinControl* Parent, TCanvas* Canvas, const AnsiString& Text,
                    const TRect& Rect, int YOffset, int ErrorStart, int ErrorLength);
