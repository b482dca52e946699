#include "components/grid/formats/CellAddress.h"

#include <cctype>
#include <climits>

AnsiString ColumnLetters(int Col) {
  // Bijective base 26: there is no zero digit, so a multiple of 26 ends in "Z".
  AnsiString letters;
  for (long n = Col; n > 0; n = (n - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  return letters;
}

int ColumnNumber(const AnsiString& Letters) {
  long long n = 0;
  for (char ch : Letters) {
    if (!std::isalpha(static_cast<unsigned char>(ch))) return 0;
    n = n * 26 + (std::toupper(static_cast<unsigned char>(ch)) - 'A' + 1);
    if (n > INT_MAX) return 0;
  }
  return static_cast<int>(n);
}

bool ReadCellAddress(const AnsiString& Address, int& Col, int& Row) {
  AnsiString letters, digits;
  for (char ch : Address) {
    if (ch == '$') continue;
    if (std::isdigit(static_cast<unsigned char>(ch)))
      digits += ch;
    else if (digits.empty())
      letters += ch;
    else
      return false;
  }
  const int col = ColumnNumber(letters);
  if (col == 0 || digits.empty() || digits.size() > 9) return false;
  const int row = std::stoi(digits);
  if (row == 0) return false;
  Col = col;
  Row = row;
  return true;
}
