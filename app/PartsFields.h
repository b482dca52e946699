// The parts table's fields by number, in the order the entry form shows and the table holds
// them: the windows, the exports, the sample generator and the tests name a field by these.
#pragma once

enum PartsField {
  kDesignation,
  kTotalCount,
  kRelayBoards,
  kAnodeVoltage,
  kG2Voltage,
  kHeaterVoltage,
  kG1Voltage,
  kG3Voltage,
  kMicroprocessor,
  kOther,
  kOrderNumber,
  kUnitPrice,
  kRemarks,
  kMainBoard1,
  kTotalPrice,
  kExtra,
  kOrder,
  kCard600V,
  kConnectionBoard,
  kSupplier,
  kTransformerBoard,
  kMainBoard2,
  kEnglishName,
  kPartsFields
};
