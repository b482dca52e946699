// A large parts table for the engine's benchmarks, in the temporary folder for the program's
// run: the parts table's layout, designations in no particular order, every other part from
// Reichelt and every other pair of parts to be ordered, so a quarter of them are in the cart.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/sample/PartsLayout.h"

class PartsTable {
 public:
  explicit PartsTable(long records) { Write(records); }
  ~PartsTable() { std::remove(path.c_str()); }
  PartsTable(const PartsTable&) = delete;
  PartsTable& operator=(const PartsTable&) = delete;

  const std::string path = (std::filesystem::temp_directory_path() /
                            ("kalvento-bench-" + std::to_string(getpid()) + ".dbf")).string();

 private:
  void Write(long records) const {
    DbfFile file = PartsLayout();
    file.count = records;
    std::ofstream out(path, std::ios::binary);
    out << file.Header();
    for (long n = 0; n < records; ++n) {
      std::string price = std::to_string(n % 1000) + ".125";
      std::string designation = "Widerstand " + std::to_string(n * 7919 % 1000003);
      out << file.Record({designation, "     3", "   1", "   0", "   0", "   0", "   2", "   0", "   0",
                          "   0", "ORD-" + std::to_string(n), std::string(10 - price.size(), ' ') + price,
                          "Bemerkung", "   0", "     3.75", "   0", n / 2 % 2 == 0 ? "T" : "F", "   0",
                          "   0", n % 2 == 0 ? "Reichelt" : "Conrad", "   0", "   0", "resistor"});
    }
    out.close();
    // Written back before the measuring starts, which the writeback would otherwise share
    // the machine with.
    const int handle = ::open(path.c_str(), O_RDONLY);
    if (handle < 0) return;
    ::fsync(handle);
    ::close(handle);
  }
};
