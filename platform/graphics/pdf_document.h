// TPdfDocument: a PDF file of A4 pages drawn through a canvas, for a program that writes a
// document of its own without a printer. The canvas works in device pixels at the document's
// resolution, from the printable area's top left corner; its font counts points at that
// resolution, as a printer's canvas does.
#pragma once

#include <memory>

#include "platform/graphics/canvas.h"

struct PdfDocumentState;

class TPdfDocument {
 public:
  // Starts the document with its first page; `title` goes into the file's properties.
  TPdfDocument(const AnsiString& fileName, const AnsiString& title, int dpi = 300,
               int marginMillimetres = 20);
  ~TPdfDocument();  // ends the document when EndDoc has not
  TPdfDocument(const TPdfDocument&) = delete;
  TPdfDocument& operator=(const TPdfDocument&) = delete;

  TCanvas* Canvas() { return &canvas_; }
  int PageWidth() const;  // the printable area in device pixels
  int PageHeight() const;
  int PageNumber() const { return pageNumber_; }
  void NewPage();
  // Ends the document; false when the file could not be written.
  bool EndDoc();

 private:
  TCanvas canvas_;
  std::unique_ptr<PdfDocumentState> state_;
  int pageNumber_ = 1;
};
