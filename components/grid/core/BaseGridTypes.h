// The kinds the base grid's cells are described by: the editor a cell opens, the footer's
// column calculation and the vertical alignment of cell text.
#pragma once

enum TEditorType {
  edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
  edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat,
  edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit,
  edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit
};

enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX };

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
