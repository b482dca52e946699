// The list print: the current query result on paper, in the column layout the list window
// shows. A hidden form owns the print grid (one page: 62 records, fewer where fewer fit the
// paper) and the two printer components; druck_liste fills the grid page by page and draws it
// through a small print layer of druck_ functions. The layer keeps a text position, a pending
// line of words not yet printed and a few switches in globals, and draws on the canvas of a
// TXPrint in its scaled units (0.1 mm here).
//
// The implementation is split by concern: Dbaseindexprint.cpp (the form),
// DbaseindexprintList.cpp (druck_liste), DbaseindexprintLayer.cpp (positions, fonts and the
// drawing primitives), DbaseindexprintText.cpp (the pending line and its word wrap) and
// DbaseindexprintGrid.cpp (druck_grid).
#pragma once

#include <array>

#include "components/grid/columns/ExtCGrid.h"
#include "components/print/XPrinter.h"
#include "components/print/XPrnSet2.h"
#include "platform/controls/forms.h"
#include "platform/controls/print_dialogs.h"

class TfrmDbaseIndexPrint : public TForm {
 public:
  explicit TfrmDbaseIndexPrint(TComponent* Owner);

  TExtColumnGrid* grdDbaseIndexPrint;  // one printed page: the header row and the records
  TXPrint* XPrint1;
  TXPrintSet* XPrintSet1;
  TPrintDialog* PrintDialog1;
  TPrinterSetupDialog* PrinterSetupDialog1;
};

extern TfrmDbaseIndexPrint* frmDbaseIndexPrint;

// Prints every hit of the result index in the layout of the list grid (its column 0, the
// index position, is left out), headed by the title, the date and the page number, with every
// record and column on the paper chosen. 1 when printed, -1 when the printer setup dialog was
// cancelled or could not run.
int druck_liste(TExtColumnGrid* grid, const AnsiString& title);

// The print layer. Lengths are units of druck_xprint unless they are counted in steps of
// druck_raster units.
inline constexpr int kDruckSpalten = 20;  // print columns with a format letter

extern TXPrint* druck_xprint;  // drawn on; the layer does nothing without it
extern int druck_x;            // where the pending line is printed
extern int druck_y;
extern AnsiString druck_zeile;  // the pending line
extern int druck_raster;        // one step in units
extern int druck_einzuglinks;   // indents in steps
extern int druck_einzugrechts;
extern int druck_ausrichtung;  // of the pending line: 1 left, 2 right
extern float druck_zeilenfaktor;
// Per print column, how its cells print: "a" one line, clipped to the cell; other letters
// print nothing.
extern std::array<char, kDruckSpalten> druck_spaltenformat;
extern double druck_schriftfaktor;  // cell font size per grid font point and step per pixel

// Copies the letters into the columns' formats, one a column from the first; letters past
// the last column are left out.
void druck_spaltenformatsetzen(const AnsiString& letters);

// Every operation below prints the pending line first.
void druck_init();
// Adds the words of the text to the pending line and prints the line each time the next word
// would reach past the printable width; a line feed ends a line. -1 for an empty text.
int druck_text(const AnsiString& text);
int druck_ctext(const char* text);
void druck_zeileausgeben();
void druck_neuezeile();
void druck_rasterposition(int x, int y);
void druck_position(int x, int y);
void druck_schriftgroesse(int punkte);
void druck_schriftart(const AnsiString& name);
// "13" turns bold on, "14" off.
void druck_steuercode(const AnsiString& code);
void druck_raender(int links, int rechts, int oben, int unten);

// Drawing primitives: they leave the pending line alone.
void druck_moveto(int x, int y);
void druck_lineto(int x, int y);
void druck_rastermoveto(int x, int y);
void druck_rasterlineto(int x, int y);
void druck_rasterrahmen(int x, int y, int breite, int hoehe);    // outline, steps
void druck_rasterrechteck(int x, int y, int breite, int hoehe);  // filled, steps
void druck_rechteck(int x, int y, int breite, int hoehe);        // filled, units
void druck_stiftfarbe(TColor farbe);
void druck_stiftbreite(int breite);

// Prints the grid as a ruled table at (x, y), `breite` steps wide: backgrounds, lines, frame
// and the cell texts in the grid's font scaled with the table. Returns its height in steps;
// a grid without width prints nothing and returns 0.
int druck_grid(int x, int y, int breite, TExtColumnGrid* grid);
