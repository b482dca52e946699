// Test, benchmark and generator support: dBase table files written byte by byte.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

struct DbfField {
  std::string name;
  char type;
  uint8_t length;
  uint8_t decimals = 0;
};

// The language-driver byte that marks text as Windows-1252 to other dBase readers.
inline constexpr uint8_t kWindowsAnsiDriver = 0x03;

// A dBase III table: 32-byte header, 32-byte descriptors, 0x0D, the records as given.
struct DbfFile {
  explicit DbfFile(std::vector<DbfField> f) : fields(std::move(f)) {}

  std::vector<DbfField> fields;
  std::vector<std::string> records;  // whole records, status byte first, as stored
  uint8_t version = 0x03;
  uint8_t mode = 0;
  uint8_t languageDriver = 0;  // header byte 29: the code page the text is in; 0 names none
  int64_t count = -1;  // the header's record count; -1: the records given

  uint16_t HeaderLength() const { return static_cast<uint16_t>(32 + 32 * fields.size() + 1); }
  uint16_t RecordLength() const {
    int length = 1;
    for (const DbfField& f : fields) length += f.length;
    return static_cast<uint16_t>(length);
  }

  // A valid record of the values, each left-aligned and blank-padded to its field.
  std::string Record(const std::vector<std::string>& values, char status = ' ') const {
    std::string r(1, status);
    for (std::size_t i = 0; i < fields.size(); ++i) {
      std::string v = i < values.size() ? values[i] : "";
      v.resize(fields[i].length, ' ');
      r += v;
    }
    return r;
  }
  DbfFile& Add(const std::vector<std::string>& values) {
    records.push_back(Record(values));
    return *this;
  }

  std::string Header() const {
    std::string h(32, '\0');
    h[0] = static_cast<char>(version);
    h[1] = 124, h[2] = 5, h[3] = 17;
    Put(h, 4, static_cast<uint32_t>(count < 0 ? records.size() : count), 4);
    Put(h, 8, HeaderLength(), 2);
    Put(h, 10, RecordLength(), 2);
    h[15] = static_cast<char>(mode);
    h[29] = static_cast<char>(languageDriver);
    uint32_t address = 1;
    for (const DbfField& f : fields) {
      std::string d(32, '\0');
      d.replace(0, f.name.size(), f.name);
      d[11] = f.type;
      Put(d, 12, address, 4);
      d[16] = static_cast<char>(f.length);
      d[17] = static_cast<char>(f.decimals);
      h += d;
      address += f.length;
    }
    return h + '\r';
  }
  std::string Bytes() const {
    std::string all = Header();
    for (const std::string& r : records) all += r;
    return all;
  }
  void Write(const std::string& path) const;

  static void Put(std::string& s, std::size_t at, uint32_t value, int width) {
    for (int i = 0; i < width; ++i) s[at + i] = static_cast<char>(value >> (8 * i));
  }
};

inline void DbfFile::Write(const std::string& path) const {
  std::string bytes = Bytes();
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
