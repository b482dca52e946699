// The settings of a column that are copied and saved, in the order of the column settings
// stream. Assign, the stream's writer and reader and the tests all walk this one list, so a
// setting added here is copied and saved everywhere; one missing here is copied nowhere.
// Not in it: the edit link and the popup menu with its type (references to other components).
#pragma once

#include "components/grid/columns/ExtCGrid.h"

namespace ColumnSettings {

// A setting kept in a plain member.
template <auto Member>
struct Field {
  static const auto& Get(const TGridColumnItem& Item) { return Item.*Member; }
  template <typename T>
  static void Set(TGridColumnItem& Item, const T& Value) {
    Item.*Member = Value;
  }
};

// A setting behind a getter and a setter; fonts, pens and lists come as pointers, which the
// setter copies from.
template <auto Getter, auto Setter>
struct Property {
  static auto Get(const TGridColumnItem& Item) { return (Item.*Getter)(); }
  template <typename T>
  static void Set(TGridColumnItem& Item, const T& Value) {
    (Item.*Setter)(Value);
  }
};

// Calls Visit with each setting (a Field or a Property), in stream order.
template <typename Visit>
void ForEach(Visit&& visit) {
  using I = TGridColumnItem;
  visit(Property<&I::GetWidth, &I::SetWidth>{});
  visit(Property<&I::GetAlignment, &I::SetAlignment>{});
  visit(Property<&I::GetHeader, &I::SetHeader>{});
  visit(Field<&I::SortStyle>{});
  visit(Field<&I::SortPrefix>{});
  visit(Field<&I::SortSuffix>{});
  visit(Field<&I::EditMask>{});
  visit(Field<&I::EditLength>{});
  visit(Property<&I::GetFont, &I::SetFont>{});
  visit(Property<&I::GetColor, &I::SetColor>{});
  visit(Property<&I::GetEditor, &I::SetEditor>{});
  visit(Property<&I::GetFixed, &I::SetFixed>{});
  visit(Field<&I::ReadOnly>{});
  visit(Property<&I::GetComboItems, &I::SetComboItems>{});
  visit(Field<&I::SpinMin>{});
  visit(Field<&I::SpinMax>{});
  visit(Field<&I::SpinStep>{});
  visit(Property<&I::GetPassword, &I::SetPassword>{});
  visit(Property<&I::GetPrintFont, &I::SetPrintFont>{});
  visit(Field<&I::PrintColor>{});
  visit(Property<&I::GetBorders, &I::SetBorders>{});
  visit(Property<&I::GetBorderPen, &I::SetBorderPen>{});
  visit(Field<&I::PrintBorders>{});
  visit(Property<&I::GetPrintBorderPen, &I::SetPrintBorderPen>{});
  visit(Field<&I::Tag>{});
  visit(Field<&I::Position>{});
  visit(Field<&I::Name>{});
  visit(Field<&I::CheckFalse>{});
  visit(Field<&I::CheckTrue>{});
  visit(Property<&I::GetShowBands, &I::SetShowBands>{});
  visit(Property<&I::GetFilter, &I::SetFilter>{});
  visit(Field<&I::MaxSize>{});
  visit(Field<&I::MinSize>{});
  visit(Field<&I::AutoMinSize>{});
  visit(Field<&I::AutoMaxSize>{});
  visit(Field<&I::FilterCaseSensitive>{});
}

}  // namespace ColumnSettings
