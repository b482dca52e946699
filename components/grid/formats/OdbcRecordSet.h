// A small record-set layer on ODBC: a connection opened from a connection text, and the
// records of a statement read forward one at a time, every field as text (NULL as "").
// Failures throw Exception with the driver's diagnostic.
#pragma once

#include <memory>
#include <vector>

#include "components/grid/formats/OdbcHandle.h"
#include "platform/core/text.h"

class OdbcConnection {
 public:
  explicit OdbcConnection(const AnsiString& ConnectionText);
  ~OdbcConnection();
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  // A table name as the data source's SQL quotes it; a name already quoted stays as it is.
  AnsiString QuoteName(const AnsiString& Name);
  void* Handle() const { return dbc_.Get(); }

 private:
  OdbcHandle env_;  // freed after the connection, as members go in reverse
  OdbcHandle dbc_;
};

class OdbcRecordSet {
 public:
  OdbcRecordSet(OdbcConnection& Connection, const AnsiString& Statement);
  ~OdbcRecordSet();
  OdbcRecordSet(const OdbcRecordSet&) = delete;
  OdbcRecordSet& operator=(const OdbcRecordSet&) = delete;

  int FieldCount() const { return static_cast<int>(names_.size()); }
  const AnsiString& FieldName(int Index) const {
    return names_.at(static_cast<std::size_t>(Index));
  }
  // The number of records when the driver knows it before reading them, else -1.
  long RecordCount() const { return recordCount_; }
  bool Eof() const { return eof_; }
  // The current record's field as text; "" for NULL.
  const AnsiString& Value(int Index) const { return values_.at(static_cast<std::size_t>(Index)); }
  void MoveNext();

 private:
  void Fetch();
  AnsiString Column(unsigned short Index);
  OdbcHandle stmt_;
  std::vector<AnsiString> names_;
  std::vector<AnsiString> values_;
  long recordCount_ = -1;
  bool eof_ = false;
};

// The value of a connection-text attribute: braced when it holds characters that would end
// or confuse the attribute, with closing braces doubled.
AnsiString ConnectionValue(const AnsiString& Value);
