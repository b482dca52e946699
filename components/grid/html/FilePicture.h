// A picture known by its file name: the grid keeps the name and the size and reads the file
// only to draw it, so a column of pictures costs no memory while it is not painted.
#pragma once

#include "platform/core/object.h"
#include "platform/graphics/canvas.h"

class TFilePicture : public TObject {
 public:
  AnsiString GetFilename() const { return filename_; }
  // Reads the file once for its size. A file missing or unreadable leaves the size 0 x 0 and
  // raises nothing: a form that names one still loads.
  void SetFileName(const AnsiString& Name);
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }

  // Stretches the file's picture into the rectangle; draws nothing for a file that does not read.
  void DrawPicture(TCanvas* Canvas, const TRect& R) const;
  void Assign(const TFilePicture& Source);

 private:
  AnsiString filename_;
  int width_ = 0;
  int height_ = 0;
};
