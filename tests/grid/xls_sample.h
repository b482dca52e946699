// Test support: a small legacy binary workbook (.xls) built record by record in a compound
// file, since no writer of the format is at hand. Sheets hold texts and numbers; a number of
// style 1 shows as a date.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class XlsSample {
 public:
  struct Cell {
    int Row, Col;  // 0-based
    std::string Text;
    double Number = 0;
    bool IsDate = false;
  };
  struct Sheet {
    std::string Name;
    std::vector<Cell> Cells;
  };

  static std::string Build(const std::vector<Sheet>& Sheets) { return Compound(Workbook(Sheets)); }

 private:
  static void U16(std::string& s, unsigned v) { s += char(v & 0xFF), s += char((v >> 8) & 0xFF); }
  static void U32(std::string& s, uint32_t v) { U16(s, v & 0xFFFF), U16(s, v >> 16); }
  static void Record(std::string& s, unsigned type, const std::string& data) {
    U16(s, type), U16(s, static_cast<unsigned>(data.size()));
    s += data;
  }
  static std::string Bof(unsigned kind) {
    std::string d;
    U16(d, 0x0600), U16(d, kind), U16(d, 0x0DBB), U16(d, 0x07CC), U32(d, 0), U32(d, 6);
    return d;
  }
  static std::string Xf(unsigned format) {
    std::string d;
    U16(d, 0), U16(d, format), U16(d, 0xFFF5), d.append(14, '\0');
    return d;
  }

  static std::string SheetStream(const Sheet& S) {
    std::string s;
    Record(s, 0x0809, Bof(0x10));
    uint32_t lastRow = 0;
    unsigned lastCol = 0;
    for (const auto& c : S.Cells) {
      lastRow = std::max<uint32_t>(lastRow, c.Row + 1);
      lastCol = std::max<unsigned>(lastCol, c.Col + 1);
    }
    std::string dim;
    U32(dim, 0), U32(dim, lastRow), U16(dim, 0), U16(dim, lastCol), U16(dim, 0);
    Record(s, 0x0200, dim);
    for (const auto& c : S.Cells) {
      std::string d;
      U16(d, c.Row), U16(d, c.Col), U16(d, c.IsDate ? 1 : 0);
      if (c.Text.empty()) {
        char bytes[8];
        std::memcpy(bytes, &c.Number, 8);
        d.append(bytes, 8);
        Record(s, 0x0203, d);
      } else {
        U16(d, static_cast<unsigned>(c.Text.size())), d += '\0', d += c.Text;
        Record(s, 0x0204, d);
      }
    }
    Record(s, 0x000A, "");
    return s;
  }

  static std::string Workbook(const std::vector<Sheet>& Sheets) {
    std::string globals;
    Record(globals, 0x0809, Bof(0x05));
    std::string cp;
    U16(cp, 1252);
    Record(globals, 0x0042, cp);
    Record(globals, 0x0022, std::string(2, '\0'));
    Record(globals, 0x00E0, Xf(0));
    Record(globals, 0x00E0, Xf(14));
    std::size_t sheetsSize = 0;
    for (const auto& sheet : Sheets) sheetsSize += 4 + 8 + sheet.Name.size();
    std::string body;
    std::string bounds;
    std::size_t offset = globals.size() + sheetsSize + 4;  // + EOF
    for (const auto& sheet : Sheets) {
      std::string d;
      U32(d, static_cast<uint32_t>(offset + body.size()));
      d += '\0', d += '\0', d += char(sheet.Name.size()), d += '\0', d += sheet.Name;
      Record(bounds, 0x0085, d);
      body += SheetStream(sheet);
    }
    std::string stream = globals + bounds;
    Record(stream, 0x000A, "");
    stream += body;
    if (stream.size() < 4096) stream.resize(4096, '\0');  // a regular stream, no mini stream
    return stream;
  }

  // Sector 0 the allocation table, 1 the directory, the stream from sector 2 on.
  static std::string Compound(const std::string& Stream) {
    const uint32_t end = 0xFFFFFFFE, free = 0xFFFFFFFF, none = 0xFFFFFFFF;
    const std::size_t sectors = (Stream.size() + 511) / 512;
    std::string header("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    header.append(16, '\0');
    U16(header, 0x3E), U16(header, 3), U16(header, 0xFFFE), U16(header, 9), U16(header, 6);
    header.append(6, '\0');
    U32(header, 0), U32(header, 1), U32(header, 1), U32(header, 0), U32(header, 0x1000);
    U32(header, end), U32(header, 0), U32(header, end), U32(header, 0);
    U32(header, 0);
    for (int i = 1; i < 109; ++i) U32(header, free);
    std::string fat;
    U32(fat, 0xFFFFFFFD), U32(fat, end);
    for (std::size_t i = 0; i < sectors; ++i)
      U32(fat, i + 1 < sectors ? static_cast<uint32_t>(i + 3) : end);
    while (fat.size() < 512) U32(fat, free);
    std::string dir;
    auto entry = [&](const std::string& name, int type, uint32_t child, uint32_t start,
                     uint32_t size) {
      std::string e;
      for (char ch : name) e += ch, e += '\0';
      e.resize(64, '\0');
      U16(e, name.empty() ? 0 : static_cast<unsigned>(2 * name.size() + 2));
      e += char(type), e += char(1);
      U32(e, none), U32(e, none), U32(e, child);
      e.append(16 + 4 + 16, '\0');
      U32(e, start), U32(e, size), U32(e, 0);
      dir += e;
    };
    entry("Root Entry", 5, 1, end, 0);
    entry("Workbook", 2, none, 2, static_cast<uint32_t>(Stream.size()));
    entry("", 0, none, 0, 0);
    entry("", 0, none, 0, 0);
    std::string body = Stream;
    body.resize(sectors * 512, '\0');
    return header + fat + dir + body;
  }
};
