// Test support: the text of a PDF file as poppler's pdftotext reads it (UTF-8), pages apart by
// form feeds; empty when poppler is not installed, so a test can skip.
#pragma once

#include <cstdio>
#include <string>

inline std::string PdfText(const std::string& path, const std::string& options = "") {
  std::string out;
  FILE* pipe = popen(("pdftotext -q " + options + " '" + path + "' - 2>/dev/null").c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    out.append(buffer, got);
  pclose(pipe);
  return out;
}

// Only the text inside a box of each page, in points from the page's top left corner: what a
// printer that prints only there puts on the paper.
inline std::string PdfTextWithin(const std::string& path, int x, int y, int width, int height) {
  return PdfText(path, "-r 72 -x " + std::to_string(x) + " -y " + std::to_string(y) + " -W " +
                           std::to_string(width) + " -H " + std::to_string(height));
}
