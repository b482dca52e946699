// The base of the grid's settings objects. A setting that alters the look reports through
// OnChange, which the grid answers by repainting; a glyph bitmap of the settings reports
// the same way when it is assigned or edited in place.
#pragma once

#include <memory>

#include "platform/graphics/bitmap.h"
#include "platform/core/notify_event.h"

class TGridSettings : public TObject {
 public:
  TGridSettings() = default;
  TGridSettings(const TGridSettings&) = delete;
  TGridSettings& operator=(const TGridSettings&) = delete;

  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  template <typename T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  // An empty bitmap whose changes count as changes of these settings.
  std::unique_ptr<TBitmap> MakeGlyph() {
    auto glyph = std::make_unique<TBitmap>();
    glyph->OnChange = [this](TObject*) { Changed(); };
    return glyph;
  }
};
