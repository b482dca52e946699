// The parts of the instrument kit as the bundled database holds them: designation, English
// name, supplier, order number, unit price, how many each circuit board needs, and whether the
// part is on the order list. Texts are UTF-8 here and Windows-1252 in the table.
#pragma once

#include <vector>

struct Part {
  const char* designation;
  const char* english;
  const char* supplier;
  const char* orderNumber;
  double unitPrice;
  // Counts per board as "H1:4 G1:2": RE relay boards, AN anode voltage, G2, HZ heater
  // voltage, G1, G3, MP microprocessor, SO other, H1 and H2 main board parts 1 and 2,
  // ZU extra to order, 6H 600 V card, AS connection board, TR transformer board.
  const char* counts;
  bool order;
  const char* remarks;
};

const std::vector<Part>& PartsList();
