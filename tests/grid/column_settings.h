// Column items with every setting away from its default, and the comparison of two items'
// settings, for the tests of copying and streaming columns.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "components/grid/ExtCGrid.h"

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

inline void ExpectSameFont(const TFont& A, const TFont& B) {
  EXPECT_EQ(A.GetName(), B.GetName());
  EXPECT_EQ(A.GetHeight(), B.GetHeight());
  EXPECT_EQ(A.GetPixelsPerInch(), B.GetPixelsPerInch());
  EXPECT_EQ(A.GetStyle(), B.GetStyle());
  EXPECT_EQ(A.GetColor(), B.GetColor());
  EXPECT_EQ(A.GetPitch(), B.GetPitch());
  EXPECT_EQ(A.GetCharset(), B.GetCharset());
  EXPECT_EQ(A.GetOrientation(), B.GetOrientation());
}

inline void ExpectSamePen(const TPen& A, const TPen& B) {
  EXPECT_EQ(A.GetColor(), B.GetColor());
  EXPECT_EQ(A.GetWidth(), B.GetWidth());
  EXPECT_EQ(A.GetStyle(), B.GetStyle());
  EXPECT_EQ(A.GetMode(), B.GetMode());
}

// Every setting but the edit link, the popup menu and its type.
inline void ExpectSameColumn(const TGridColumnItem& A, const TGridColumnItem& B) {
  EXPECT_EQ(A.GetWidth(), B.GetWidth());
  EXPECT_EQ(A.GetAlignment(), B.GetAlignment());
  EXPECT_EQ(A.GetHeader(), B.GetHeader());
  EXPECT_EQ(A.SortStyle, B.SortStyle);
  EXPECT_EQ(A.SortPrefix, B.SortPrefix);
  EXPECT_EQ(A.SortSuffix, B.SortSuffix);
  EXPECT_EQ(A.EditMask, B.EditMask);
  EXPECT_EQ(A.EditLength, B.EditLength);
  ExpectSameFont(*A.GetFont(), *B.GetFont());
  EXPECT_EQ(A.GetColor(), B.GetColor());
  EXPECT_EQ(A.GetEditor(), B.GetEditor());
  EXPECT_EQ(A.GetFixed(), B.GetFixed());
  EXPECT_EQ(A.ReadOnly, B.ReadOnly);
  EXPECT_EQ(A.GetComboItems()->GetText(), B.GetComboItems()->GetText());
  EXPECT_EQ(A.SpinMin, B.SpinMin);
  EXPECT_EQ(A.SpinMax, B.SpinMax);
  EXPECT_EQ(A.SpinStep, B.SpinStep);
  EXPECT_EQ(A.GetPassword(), B.GetPassword());
  ExpectSameFont(*A.GetPrintFont(), *B.GetPrintFont());
  EXPECT_EQ(A.PrintColor, B.PrintColor);
  EXPECT_EQ(A.GetBorders(), B.GetBorders());
  ExpectSamePen(*A.GetBorderPen(), *B.GetBorderPen());
  EXPECT_EQ(A.PrintBorders, B.PrintBorders);
  ExpectSamePen(*A.GetPrintBorderPen(), *B.GetPrintBorderPen());
  EXPECT_EQ(A.Tag, B.Tag);
  EXPECT_EQ(A.Position, B.Position);
  EXPECT_EQ(A.Name, B.Name);
  EXPECT_EQ(A.CheckFalse, B.CheckFalse);
  EXPECT_EQ(A.CheckTrue, B.CheckTrue);
  EXPECT_EQ(A.GetShowBands(), B.GetShowBands());
  EXPECT_EQ(A.GetFilter()->GetText(), B.GetFilter()->GetText());
  EXPECT_EQ(A.MaxSize, B.MaxSize);
  EXPECT_EQ(A.MinSize, B.MinSize);
  EXPECT_EQ(A.AutoMinSize, B.AutoMinSize);
  EXPECT_EQ(A.AutoMaxSize, B.AutoMaxSize);
  EXPECT_EQ(A.FilterCaseSensitive, B.FilterCaseSensitive);
}
