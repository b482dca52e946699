// TPicture: holds one graphic of any kind, chosen by the file's extension when loading (or
// by the data's signature when reading a stream).
#pragma once

#include <memory>

#include "platform/graphics/graphic.h"

class TBitmap;

class TPicture : public TObject {
 public:
  TPicture();
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TNotifyEvent OnChange;

  TGraphic* GetGraphic() const { return graphic_.get(); }
  // Takes a copy of the graphic (null empties the picture).
  void SetGraphic(const TGraphic* graphic);
  // The picture as a bitmap; a picture of another kind is replaced by an empty bitmap.
  TBitmap* GetBitmap();
  int GetWidth() const;
  int GetHeight() const;

  // .bmp, .jpg/.jpeg/.jpe/.jfif, .png, .gif, .ico; another extension raises
  // EInvalidGraphic("Unknown picture file extension (.xyz)").
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName);
  // Recognises BMP, JPEG, PNG, GIF and icon data by their first bytes.
  void LoadFromStream(TStream& stream);
  void Assign(const TPicture* source);

 private:
  void Take(std::unique_ptr<TGraphic> graphic);
  std::unique_ptr<TGraphic> graphic_;
};
