// The paper, tray and resolution lists of the printer settings component.
#include <cstdlib>

#include "components/print/XPrnSet2.h"

void TPrinterPaper::Add(int Number, const AnsiString& Name, int Width, int Length) {
  Append({Number, Name, Width, Length});
}

int TPrinterPaper::GetIndex(int Number) const {
  return IndexWhere([&](const TPaperEntry& e) { return e.Number == Number; });
}

int TPrinterPaper::GetNumber(int i) const { return At(i) ? At(i)->Number : 0; }

AnsiString TPrinterPaper::GetName(int i) const { return At(i) ? At(i)->Name : ""; }

int TPrinterPaper::GetWidth(int i) const { return At(i) ? At(i)->Width : 0; }

int TPrinterPaper::GetLength(int i) const { return At(i) ? At(i)->Length : 0; }

void TPrinterPaper::GetNameList(TStrings* List, bool WithSizes) const {
  List->Clear();
  for (const TPaperEntry& e : entries_) {
    if (!WithSizes) {
      List->Add(e.Name);
      continue;
    }
    List->Add(e.Name + " (" + FloatToStr(e.Width / 10.0) + "x" + FloatToStr(e.Length / 10.0) +
              "mm\xB2)");
  }
}

// The sum of the differences: a paper that matches one side exactly must still be near on
// the other to win.
int TPrinterPaper::BestFitPaper(int Width, int Length) const {
  int best = 0;
  int64_t bestScore = INT64_MAX;
  for (int i = 0; i < GetCount(); ++i) {
    int64_t score = std::llabs(int64_t{Width} - entries_[i].Width) +
                    std::llabs(int64_t{Length} - entries_[i].Length);
    if (score < bestScore) {
      bestScore = score;
      best = i;
    }
  }
  return best;
}

void TPrinterTray::Add(int Number, const AnsiString& Name) { Append({Number, Name}); }

int TPrinterTray::GetIndex(int Number) const {
  return IndexWhere([&](const TTrayEntry& e) { return e.Number == Number; });
}

int TPrinterTray::GetNumber(int i) const { return At(i) ? At(i)->Number : 0; }

AnsiString TPrinterTray::GetName(int i) const { return At(i) ? At(i)->Name : ""; }

void TPrinterTray::GetNameList(TStrings* List) const {
  List->Clear();
  for (const TTrayEntry& e : entries_) List->Add(e.Name);
}

void TPrinterResolution::Add(int HRes, int VRes) { Append({HRes, VRes}); }

int TPrinterResolution::GetHRes(int i) const { return At(i) ? At(i)->cx : 0; }

int TPrinterResolution::GetVRes(int i) const { return At(i) ? At(i)->cy : 0; }

int TPrinterResolution::GetMatchIndex(int HRes, int VRes) const {
  return IndexWhere([&](const TSize& e) { return e.cx == HRes && e.cy == VRes; });
}

AnsiString TPrinterResolution::NameOf(int HRes, int VRes) {
  return IntToStr(HRes) + "x" + IntToStr(VRes) + "dpi\xB2";
}

void TPrinterResolution::GetNameList(TStrings* List) const {
  List->Clear();
  for (const TSize& e : entries_) List->Add(NameOf(e.cx, e.cy));
}
