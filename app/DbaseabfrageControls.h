// The query window's criterion controls by kind, so that what is done to every field combo,
// operator combo or value edit is written once.
#pragma once

#include <array>

#include "app/Dbaseabfrage.h"

namespace dbaseabfrage {

using Form = TfrmDbaseAbfrage;

inline constexpr int kCriteria = 8;
inline constexpr int kSlotControls = 27;
inline constexpr int kTextLength = 19;         // a slot holds 20 bytes with its NUL
inline constexpr int kDescriptionLength = 79;  // a description 80
inline constexpr const char* kLastQuery = "LetzteAbfrage.dba";

// The field combos of the eight criteria, then the three sort fields.
inline constexpr std::array<TComboBox * Form::*, kCriteria + 3> kFieldCombos = {
    &Form::cbo1,  &Form::cbo4,  &Form::cbo7,  &Form::cbo10, &Form::cbo13, &Form::cbo16,
    &Form::cbo19, &Form::cbo22, &Form::cbo25, &Form::cbo26, &Form::cbo27};
inline constexpr std::array<TComboBox * Form::*, kCriteria> kOperatorCombos = {
    &Form::cbo2,  &Form::cbo5,  &Form::cbo8,  &Form::cbo11,
    &Form::cbo14, &Form::cbo17, &Form::cbo20, &Form::cbo23};
inline constexpr std::array<TEdit * Form::*, kCriteria> kValueEdits = {
    &Form::cbo3,  &Form::cbo6,  &Form::cbo9,  &Form::cbo12,
    &Form::cbo15, &Form::cbo18, &Form::cbo21, &Form::cbo24};

}  // namespace dbaseabfrage
