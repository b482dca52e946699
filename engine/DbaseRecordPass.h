// One pass over a table's records in ascending order, read in large blocks rather than through
// the read window's few records: the query run, the duplicate check and the total over the
// hits. It walks the records the file holds whole when it starts, never more than the
// header counts, so a damaged count reads and reserves nothing past the file's end.
//
// Another program may shorten, lengthen or rewrite the file while a pass reads it. The file's
// length is looked up after every block read: a record the file does not hold whole then is
// never read from the block, and the pass tells that the length changed and below which
// record the file held every record at each look. A read that fails is told apart from a
// file that ends early.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "engine/DbaseTable.h"

class DbaseRecordPass {
 public:
  // Of a record only the status byte and `fields` are copied into `record` (copying whole
  // records costs more than reading them); Finish copies the whole record read last. A pass
  // over some records only is given their numbers, ascending: a block then reaches no further
  // than the last of them it can hold, so scattered records are read one by one. The pass
  // empties the read window, which the table may have changed under.
  DbaseRecordPass(DbaseTable& t, const std::vector<int>& fields,
                  const std::vector<long>* records = nullptr);

  // The records the pass walks: 0 .. Count() - 1.
  long Count() const { return count_; }
  // As DbaseReadWindowed gives it: 1 read, -3 deleted, -1 past the header's count; -2 when
  // the file does not hold the record whole (it ends before it now, or ended there when the
  // pass started).
  int Read(long n);
  // Record n's bytes as the file holds them, where Read would take them from: null where
  // Read gives -2 (or -1). Nothing is copied.
  const char* Stored(long n);
  // Copies the record read last whole into `record`, and looks at the file's length once more.
  void Finish();

  // Whether the file's length differed from its length at the start at any look.
  bool FileChanged() const { return changed_; }
  // The errno of a block read that failed (the pass ends there, as at the file's end); 0
  // when every read reached what it asked for or the file's end.
  int ReadError() const { return readError_; }
  // The file held every record below this one whole at every look.
  long ValidEnd() const { return validEnd_; }

 private:
  bool Fill(long n);
  void Look(bool shortRead);
  void CopyLastRecord();
  int DecodeFields();

  DbaseTable& t_;
  const std::vector<long>* records_;
  std::vector<std::pair<std::size_t, std::size_t>> fields_;  // offset and length in the record
  std::vector<std::pair<std::size_t, std::size_t>> pieces_;  // what is copied: status and fields
  std::vector<char> block_;
  off_t size_ = 0;  // the file's length when the pass started
  long count_ = 0;
  long validEnd_ = 0;
  bool changed_ = false;
  int readError_ = 0;
  long first_ = 0;
  long whole_ = 0;  // records of the block the file held whole
  long last_ = -1;  // the record read last from the block
};
