// Column items with every setting away from its default, and the comparison of two items'
// settings, for the tests of copying and streaming columns.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "components/grid/columns/ExtCGrid.h"
#include "components/grid/columns/ExtCGridSettings.h"

// Every setting of the item, different for each Seed and from the defaults.
inline void FillColumn(TGridColumnItem& Item, int Seed) {
  const std::string s = std::to_string(Seed);
  Item.SetWidth(70 + Seed);
  Item.SetAlignment(taRightJustify);
  Item.SetHeader("Header " + s);
  Item.SortStyle = ssNumeric;
  Item.SortPrefix = "$" + s;
  Item.SortSuffix = "kg" + s;
  Item.EditMask = "999;" + s;
  Item.EditLength = 10 + Seed;
  TFont font;
  font.SetName("Courier " + s);
  font.SetSize(9 + Seed);
  font.SetStyle({fsBold, fsStrikeOut});
  font.SetColor(clRed);
  font.SetPitch(fpFixed);
  font.SetCharset(2);
  font.SetOrientation(900);
  Item.SetFont(&font);
  Item.SetColor(clYellow + Seed);
  Item.SetEditor(edComboList);
  Item.SetFixed(true);
  Item.ReadOnly = true;
  TStringList combo;
  combo.Add("one " + s);
  combo.Add("two");
  Item.SetComboItems(&combo);
  Item.SpinMin = -5 - Seed;
  Item.SpinMax = 50 + Seed;
  Item.SpinStep = 5;
  Item.SetPassword(true);
  font.SetName("Print " + s);
  font.SetStyle({fsItalic});
  Item.SetPrintFont(&font);
  Item.PrintColor = clSilver;
  Item.SetBorders({cbTop, cbBottom});
  TPen pen;
  pen.SetColor(clGreen);
  pen.SetWidth(3);
  pen.SetStyle(psDot);
  pen.SetMode(pmXor);
  Item.SetBorderPen(&pen);
  Item.PrintBorders = {cbLeft, cbRight};
  pen.SetColor(clNavy);
  pen.SetStyle(psDash);
  Item.SetPrintBorderPen(&pen);
  Item.Tag = 1000 + Seed;
  Item.Position = 40 + Seed;
  Item.Name = "name" + s;
  Item.CheckFalse = "nein";
  Item.CheckTrue = "ja\xE4";
  Item.SetShowBands(true);
  TStringList filter;
  filter.Add("Big=>100");
  filter.Add("<" + s);
  Item.SetFilter(&filter);
  Item.MaxSize = 300 + Seed;
  Item.MinSize = 20 + Seed;
  Item.AutoMinSize = 30 + Seed;
  Item.AutoMaxSize = 200 + Seed;
  Item.FilterCaseSensitive = true;
}

inline bool SameSetting(const TFont* A, const TFont* B) {
  return A->GetName() == B->GetName() && A->GetHeight() == B->GetHeight() &&
         A->GetPixelsPerInch() == B->GetPixelsPerInch() && A->GetStyle() == B->GetStyle() &&
         A->GetColor() == B->GetColor() && A->GetPitch() == B->GetPitch() &&
         A->GetCharset() == B->GetCharset() && A->GetOrientation() == B->GetOrientation();
}

inline bool SameSetting(const TPen* A, const TPen* B) {
  return A->GetColor() == B->GetColor() && A->GetWidth() == B->GetWidth() &&
         A->GetStyle() == B->GetStyle() && A->GetMode() == B->GetMode();
}

inline bool SameSetting(const TStrings* A, const TStrings* B) {
  return A->GetText() == B->GetText();
}

template <typename T>
  requires(!std::is_pointer_v<T>)
bool SameSetting(const T& A, const T& B) {
  return A == B;
}

// Every setting of the saved list compared, with the number of each that differs (or agrees,
// when Same is false) in the failure.
inline void ExpectColumnSettings(const TGridColumnItem& A, const TGridColumnItem& B, bool Same) {
  int index = 0;
  ColumnSettings::ForEach([&](auto Setting) {
    EXPECT_EQ(SameSetting(Setting.Get(A), Setting.Get(B)), Same) << "setting " << index;
    ++index;
  });
}

// Every setting but the edit link, the popup menu and its type.
inline void ExpectSameColumn(const TGridColumnItem& A, const TGridColumnItem& B) {
  ExpectColumnSettings(A, B, true);
}
