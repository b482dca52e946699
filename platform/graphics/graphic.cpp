#include "platform/graphics/graphic.h"

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

void TGraphic::LoadFromFile(const AnsiString& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  LoadFromStream(stream);
}

// Made in memory first, so that the file is replaced whole or not at all.
void TGraphic::SaveToFile(const AnsiString& fileName) {
  TMemoryStream stream;
  SaveToStream(stream);
  stream.SaveToFile(fileName);
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}
