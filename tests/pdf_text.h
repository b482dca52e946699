// Test support: the text of a PDF file as poppler's pdftotext reads it (UTF-8); empty when
// poppler is not installed, so a test can skip.
#pragma once

#include <cstdio>
#include <string>

inline std::string PdfText(const std::string& path) {
  std::string out;
  FILE* pipe = popen(("pdftotext -q '" + path + "' - 2>/dev/null").c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    out.append(buffer, got);
  pclose(pipe);
  return out;
}
