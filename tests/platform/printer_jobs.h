// Test support for the program's printer: a job of numbered pages, and the message of a job
// the printer refused.
#pragma once

#include <functional>
#include <string>

#include "platform/winapi/printer.h"

// A job of that many pages, each with its number ("Seite 1", ...).
inline void PrintNumberedPages(int pages) {
  TPrinter* printer = Printer();
  printer->BeginDoc();
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) printer->NewPage();
    printer->Canvas->TextOut(100, 100, "Seite " + std::to_string(page));
  }
  printer->EndDoc();
}

// What the printer told when it refused the job; empty when the job went through.
inline std::string Refusal(const std::function<void()>& job) {
  try {
    job();
  } catch (const EPrinter& error) {
    return error.what();
  }
  return "";
}
