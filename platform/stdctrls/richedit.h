// A multi-line edit whose text keeps character formats: runs of text in a font style, size and
// colour. Paragraphs end with CR LF in Text, in SelStart and in the runs. Enter starts a
// paragraph; Tab moves the focus unless WantTabs.
#pragma once

#include <vector>

#include "platform/graphics/color.h"
#include "platform/graphics/font.h"
#include "platform/stdctrls/edit.h"

// What a run adds to the control's font: a size of 0 and the colour clNone keep the font's.
struct TRichAttributes {
  TFontStyles Style;
  int Size = 0;  // points
  TColor Color = clNone;
  bool operator==(const TRichAttributes&) const = default;
};

struct TRichSpan {
  AnsiString Text;
  TRichAttributes Attributes;
  bool operator==(const TRichSpan&) const = default;
};

// The size the whole text asks for at the control's width (EN_REQUESTRESIZE).
using TRichEditResizeEvent = std::function<void(TObject* Sender, const TRect& Rect)>;

class TRichEdit : public TCustomEdit {
 public:
  explicit TRichEdit(TComponent* AOwner);
  ~TRichEdit() override;

  // The text in runs of one format, in order; each paragraph end is a run "\r\n" of its own.
  std::vector<TRichSpan> GetSpans() const;
  // Replaces the whole text with the runs (line ends in them start paragraphs).
  void SetSpans(const std::vector<TRichSpan>& Spans);
  // The format at the caret; setting it formats the selection, or what is typed next.
  TRichAttributes GetSelAttributes() const;
  void SetSelAttributes(const TRichAttributes& Value);

  // The selection shows only while the control has the focus.
  bool GetHideSelection() const { return hideSelection_; }
  void SetHideSelection(bool Value);
  bool GetWordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  bool WantTabs = false;
  bool WantReturns = true;

  // The caret moved or the selection changed.
  TNotifyEvent OnSelectionChange;
  // The text's height changed.
  TRichEditResizeEvent OnResizeRequest;

 protected:
  bool SingleLine() const override { return false; }
  void WMGetDlgCode(TWMGetDlgCode& Message) override;
  void ColorChanged() override;
  virtual void SelectionChange();
  virtual void RequestSize(const TRect& Rect);

 private:
  void ApplySelectionLook();
  bool hideSelection_ = true;
  bool wordWrap_ = true;
  int selStart_ = 0, selEnd_ = 0;
};
