#include "platform/graphics/font.h"

#include <cstdlib>
#include <cstring>

#include "platform/graphics/font_handle.h"
#include "platform/graphics/geometry.h"

TFont::TFont() = default;

TFont::~TFont() { delete handle_; }

template <typename T>
void TFont::Update(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  name_ = source.name_;
  height_ = source.height_;
  pixelsPerInch_ = source.pixelsPerInch_;
  style_ = source.style_;
  color_ = source.color_;
  pitch_ = source.pitch_;
  charset_ = source.charset_;
  orientation_ = source.orientation_;
  Changed();
}

void TFont::SetName(const AnsiString& name) { Update(name_, name); }

int TFont::GetSize() const { return -MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, pixelsPerInch_, 72)); }

void TFont::SetHeight(int height) { Update(height_, height); }

void TFont::SetPixelsPerInch(int ppi) {
  if (ppi > 0) pixelsPerInch_ = ppi;
}

void TFont::SetStyle(TFontStyles style) { Update(style_, style); }
void TFont::SetColor(TColor color) { Update(color_, color); }
void TFont::SetPitch(TFontPitch pitch) { Update(pitch_, pitch); }
void TFont::SetCharset(TFontCharset charset) { Update(charset_, charset); }
void TFont::SetOrientation(int tenths) { Update(orientation_, tenths); }

LOGFONT TFont::ToLogFont() const {
  LOGFONT f;
  f.lfHeight = height_;
  f.lfEscapement = orientation_;
  f.lfOrientation = orientation_;
  f.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  f.lfItalic = style_.Contains(fsItalic);
  f.lfUnderline = style_.Contains(fsUnderline);
  f.lfStrikeOut = style_.Contains(fsStrikeOut);
  f.lfCharSet = charset_;
  f.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH
                                                                             : DEFAULT_PITCH;
  std::strncpy(f.lfFaceName, name_.c_str(), sizeof f.lfFaceName - 1);
  return f;
}

HFONT TFont::GetHandle() {
  if (!handle_) {
    handle_ = new HFONT__;
    handle_->ownedByFont = true;
  }
  handle_->logFont = ToLogFont();
  return handle_;
}
