// Images and form controls in mini-HTML text: their size, their place on the line, their
// drawing and their hit test.
#include <cmath>

#include "components/grid/html/HTMLAttributes.h"
#include "components/grid/html/HTMLLinePass.h"
#include "components/grid/html/HTMLPictureLookup.h"
#include "platform/controls/shell_icons.h"
#include "platform/winapi/drawtext.h"
#include "platform/winapi/edge.h"
#include "platform/winapi/theme.h"

namespace {

constexpr TColor kControlFrame = 0x808080;
constexpr int kComboButton = 17;

bool StartsWith(const AnsiString& Text, const char* Prefix) { return Text.rfind(Prefix, 0) == 0; }

// An image list entry (the grid's images or the desktop's icons) at the device's resolution.
struct ListImage {
  TImageList* List = nullptr;
  int Index = -1;
};

}  // namespace

HTMLLineEngine::TagEnd HTMLLineEngine::Image(Pass& P, const AnsiString& Tag,
                                             const AnsiString& Upper) {
  const AnsiString source = HTMLAttrValue(Tag, Upper, "SRC=");
  const AnsiString upperSource = UpperCase(source);
  const TDeviceCaps& caps = canvas_->GetDeviceCaps();
  ListImage entry;
  THTMLPicture* picture = nullptr;
  int w = 0, h = 0;
  if (StartsWith(upperSource, "IDX:")) {
    const int index = StrToIntDef(source.substr(4), -1);
    if (params_.Images && index >= 0 && index < params_.Images->GetCount())
      entry = {params_.Images, index};
  } else if (StartsWith(upperSource, "SSYS:") || StartsWith(upperSource, "LSYS:")) {
    const AnsiString name = source.substr(5);
    bool number = false;
    const int index = HTMLNumber(name, number);
    entry = {ShellImageList(upperSource[0] == 'L'),
             number && std::to_string(index) == name ? index : ShellIconIndex(name)};
    if (entry.Index < 0 || entry.Index >= entry.List->GetCount()) entry = {};
  } else {
    picture = FindHTMLPicture(HTMLPictureName(source), params_.PictureContainer,
                              params_.PictureCache);
    if (picture && picture->GetEmpty()) picture = nullptr;
  }
  bool sized = false;
  if (entry.List) {
    w = entry.List->GetWidth();
    h = entry.List->GetHeight();
  } else if (picture) {
    bool valid = false;
    const int width = HTMLAttrNumber(Upper, "WIDTH=", valid);
    const int height = HTMLAttrNumber(Upper, "HEIGHT=", valid);
    sized = width > 0 && height > 0;
    w = sized ? width : picture->GetMaxWidth();
    h = sized ? height : picture->GetMaxHeight();
  } else {
    return TagEnd::None;  // nothing to show takes no room
  }
  w = MulDiv(w, caps.dpiX, 96);
  h = MulDiv(h, caps.dpiY, 96);
  if (P.Measuring) {
    if (!Fits(P, w, true)) return TagEnd::Before;
    const AnsiString align = HTMLAttrValue(Upper, Upper, "ALIGN=");
    const int raise = std::max(P.Line.Height, h) - LineTextHeight();
    if (StartsWith(align, "TOP")) P.Line.ImageOffset = raise;
    if (StartsWith(align, "MIDDLE")) P.Line.ImageOffset = raise / 2;
  }
  ++P.S.ImageCount;
  if (P.Drawing) {
    const int x = P.X, y = P.W.Top;
    if (entry.List && params_.Printing) {
      TBitmap bitmap;
      entry.List->GetBitmap(entry.Index, &bitmap);
      PrintBitmap(canvas_, {x, y, x + static_cast<int>(std::lround(w * params_.ScaleFactor)),
                            y + static_cast<int>(std::lround(h * params_.ScaleFactor))},
                  &bitmap);
    } else if (entry.List) {
      entry.List->Draw(canvas_, x, y, entry.Index);
    } else if (sized) {
      const bool stretch = picture->GetStretch();
      picture->SetStretch(true);
      canvas_->StretchDraw({x, y, x + w, y + h}, picture);
      picture->SetStretch(stretch);
    } else {
      if (picture->GetFrameCount() > 1) {
        // An animation's frames differ in size: clear the largest one's area first.
        const TColor pen = canvas_->Pen->GetColor(), brush = BrushColor();
        canvas_->Pen->SetColor(entryBrush_);
        SetBrush(entryBrush_);
        canvas_->Rectangle(x, y, x + w, y + h);
        canvas_->Pen->SetColor(pen);
        SetBrush(brush);
      }
      canvas_->Draw(x + picture->GetFrameXPos(), y + picture->GetFrameYPos(), picture);
    }
  }
  if (!P.Measuring && P.A.Inside && params_.MouseX > P.X && params_.MouseX < P.X + w &&
      params_.MouseY > P.W.Top && params_.MouseY < P.W.Top + h) {
    P.Line.ControlHit = true;
    result_.AnchorValue = P.A.Value;
  }
  Advance(P, w, h);
  return TagEnd::None;
}

HTMLLineEngine::TagEnd HTMLLineEngine::Control(Pass& P, const AnsiString& Tag) {
  const THTMLControlTag control = ParseControlTag(Tag);
  bool valid = false;
  const int width = HTMLNumber(control.Width, valid);
  if (!valid) return TagEnd::None;  // a control without a width is left out
  int w = width, h = LineTextHeight() + 6;
  if (control.Type == "BUTTON") h = 24;
  if (control.Type == "COMBO") h = 25;
  if (control.Type == "CHECK" || control.Type == "RADIO") w = h = 16;
  if (P.Measuring && !Fits(P, w, true)) return TagEnd::Before;
  if (!P.Measuring) {
    const TRect area{P.X, P.W.Top, P.X + w, P.W.Top + h};
    const bool over = params_.MouseX > area.Left && params_.MouseX < area.Right &&
                      params_.MouseY > area.Top && params_.MouseY < area.Bottom;
    if (P.Drawing) DrawControl(P, control, width, over);
    if (over) {
      P.Line.ControlHit = true;
      result_.AnchorValue = "ctrl";
      result_.ControlRect = area;
      result_.ControlId = control.Id;
      result_.ControlValue = control.Value;
      result_.ControlType = control.Type;
    }
  }
  Advance(P, w, h);
  return TagEnd::None;
}

void HTMLLineEngine::DrawControl(Pass& P, const THTMLControlTag& C, int W, bool Hot) {
  TCanvas* canvas = canvas_;
  HDC dc = canvas->GetHandle();
  const int left = P.X, bottom = P.W.Bottom, lineHeight = P.Geo().Height;
  const bool pressed = Hot && params_.MouseDown;
  const bool themed = IsWinXP && IsThemeActive();
  const TColor pen = canvas->Pen->GetColor(), brush = BrushColor();
  auto drawValue = [&](TRect r, unsigned flags) {
    DrawText(dc, C.Value.c_str(), static_cast<int>(C.Value.size()), &r,
             flags | DT_SINGLELINE | DT_NOPREFIX);
  };
  auto themedPart = [&](const char* kind, int part, int state, const TRect& r) {
    HTHEME theme = OpenThemeData(params_.WindowHandle, kind);
    DrawThemeBackground(theme, dc, part, state, &r, nullptr);
    CloseThemeData(theme);
  };
  if (C.Type == "EDIT" || C.Type == "COMBO") {
    const int button = C.Type == "COMBO" ? kComboButton : 0;
    canvas->Pen->SetColor(kControlFrame);
    SetBrush(clNone);
    canvas->Rectangle(left, bottom - lineHeight + 3, left + W, bottom + 1);
    drawValue({left + 2, bottom - lineHeight + 4, left + W - button, bottom}, DT_LEFT);
    if (button) {
      TRect r{left + W - button, bottom - lineHeight + 4, left + W - 1, bottom};
      if (themed)
        themedPart("combobox", CP_DROPDOWNBUTTON, Hot ? CBXS_HOT : CBXS_NORMAL, r);
      else
        DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    }
  } else if (C.Type == "CHECK" || C.Type == "RADIO") {
    const bool check = C.Type == "CHECK", checked = UpperCase(C.Value) == "TRUE";
    TRect r{left, bottom - 16, left + 16, bottom};
    if (themed) {
      const int state = (checked ? 4 : 0) + (pressed ? 3 : Hot ? 2 : 1);
      themedPart("button", check ? BP_CHECKBOX : BP_RADIOBUTTON, state, r);
    } else {
      DrawFrameControl(dc, &r, DFC_BUTTON,
                       (check ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO) | DFCS_FLAT |
                           (checked ? DFCS_CHECKED : 0u));
    }
  } else if (C.Type == "BUTTON") {
    TRect r{left + 2, bottom - 20, left + W - 2, bottom};
    if (themed)
      themedPart("button", BP_PUSHBUTTON, pressed ? PBS_PRESSED : Hot ? PBS_HOT : PBS_NORMAL, r);
    else
      DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
    SetBrush(clNone);
    drawValue({r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}, DT_CENTER | DT_VCENTER);
  }
  canvas->Pen->SetColor(pen);
  SetBrush(brush);
}
