// TFont: name, size and height (related through PixelsPerInch as the class library relates
// them), style, colour, pitch, character set and the escapement angle of rotated text.
#pragma once

#include <memory>

#include "platform/graphics/color.h"
#include "platform/graphics/graphics_object.h"
#include "platform/graphics/logfont.h"
#include "platform/core/set.h"
#include "platform/core/text.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = uint8_t;

class TFont : public TGraphicsObject {
 public:
  TFont();
  ~TFont() override;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  void Assign(const TFont& source);

  AnsiString GetName() const { return name_; }
  void SetName(const AnsiString& name);
  // Size in points = -Height * 72 / PixelsPerInch; a positive height gives a negative size.
  int GetSize() const;
  void SetSize(int points);
  int GetHeight() const { return height_; }
  void SetHeight(int height);
  int GetPixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int ppi);  // keeps the height; the size reads anew
  TFontStyles GetStyle() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor GetColor() const { return color_; }
  void SetColor(TColor color);
  TFontPitch GetPitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  TFontCharset GetCharset() const { return charset_; }
  void SetCharset(TFontCharset charset);
  // Escapement of the text in tenths of a degree, counter-clockwise.
  int GetOrientation() const { return orientation_; }
  void SetOrientation(int tenths);

  // The font as a Windows handle, owned by the font and valid until it changes or dies.
  HFONT GetHandle();
  LOGFONT ToLogFont() const;

 private:
  template <typename T>
  void Update(T& field, const T& value);

  AnsiString name_ = "MS Sans Serif";
  int height_ = -11;
  int pixelsPerInch_ = 96;
  TFontStyles style_;
  TColor color_ = clWindowText;
  TFontPitch pitch_ = fpDefault;
  TFontCharset charset_ = DEFAULT_CHARSET;
  int orientation_ = 0;
  HFONT handle_ = nullptr;
};
