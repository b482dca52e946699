// TGraphic: the base of every image a canvas can draw (bitmap, icon, JPEG, PNG, GIF), with
// loading and saving through streams and files.
#pragma once

#include "platform/core/exception.h"
#include "platform/graphics/geometry.h"
#include "platform/graphics/graphics_object.h"
#include "platform/core/stream.h"

class TCanvas;

// Unreadable image data or an unknown picture type.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

class TGraphic : public TObject {
 public:
  TNotifyEvent OnChange;

  virtual bool GetEmpty() const = 0;
  virtual int GetWidth() const = 0;
  virtual int GetHeight() const = 0;
  virtual void SetWidth(int) {}
  virtual void SetHeight(int) {}
  bool GetTransparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent);

  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName);
  // Takes over another graphic's picture; a graphic of another kind is drawn into this one
  // where the kind allows (EConvertError otherwise).
  virtual void Assign(const TGraphic* source) = 0;

  // Paints into a rectangle of the canvas, in its logical units: the canvas's Draw and
  // StretchDraw come here.
  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;

 protected:
  void Changed();

 private:
  bool transparent_ = false;
};
