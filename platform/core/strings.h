// Lists of lines: TStrings, what every list of strings offers (each string may carry an
// object), and TStringList, the list that keeps them, sorted on request.
// Indexed properties read as X(i) and are written with SetX(i, v); the others are GetX/SetX.
#pragma once

#include <functional>
#include <vector>

#include "platform/core/exception.h"
#include "platform/core/notify_event.h"
#include "platform/core/object.h"
#include "platform/core/text.h"

class EStringListError : public Exception {
 public:
  using Exception::Exception;
};

class TStrings : public TObject {
 public:
  virtual int Count() const = 0;
  virtual AnsiString Strings(int index) const = 0;
  virtual void SetStrings(int index, const AnsiString& text) = 0;
  virtual TObject* Objects(int index) const = 0;
  virtual void SetObjects(int index, TObject* object) = 0;
  virtual void InsertObject(int index, const AnsiString& text, TObject* object) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  // Returns the index the string landed at.
  virtual int AddObject(const AnsiString& text, TObject* object);
  int Add(const AnsiString& text) { return AddObject(text, nullptr); }
  void Insert(int index, const AnsiString& text) { InsertObject(index, text, nullptr); }
  // -1 when absent; compared without case.
  virtual int IndexOf(const AnsiString& text) const;
  int IndexOfObject(const TObject* object) const;

  // Changes between BeginUpdate and the matching EndUpdate report as one, at its end.
  void BeginUpdate();
  void EndUpdate();

  // Copies the strings and objects of another list (Assign replaces, AddStrings appends).
  void Assign(const TStrings& source);
  void AddStrings(const TStrings& source);

  // Every string followed by CR LF; setting splits at CR LF, LF or CR.
  AnsiString GetText() const;
  void SetText(const AnsiString& text);
  // Comma-separated; strings with blanks, commas, quotes or control characters are quoted.
  AnsiString GetCommaText() const;
  void SetCommaText(const AnsiString& text);

  // Lines of the form name=value.
  AnsiString Names(int index) const;
  int IndexOfName(const AnsiString& name) const;
  AnsiString Values(const AnsiString& name) const;
  void SetValues(const AnsiString& name, const AnsiString& value);  // "" removes the line

  // The bytes of the file as they are; throws EFOpenError or EFCreateError.
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName) const;

 protected:
  // How two strings compare when the list searches or sorts: without case.
  virtual int CompareStrings(const AnsiString& a, const AnsiString& b) const;
  // The outermost BeginUpdate (Updating true) and EndUpdate (false).
  virtual void SetUpdateState(bool /*Updating*/) {}
  bool Updating() const { return updateCount_ > 0; }

 private:
  int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* list, int index1, int index2)>;

class TStringList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  AnsiString Strings(int index) const override;
  void SetStrings(int index, const AnsiString& text) override;
  TObject* Objects(int index) const override;
  void SetObjects(int index, TObject* object) override;
  void InsertObject(int index, const AnsiString& text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  int AddObject(const AnsiString& text, TObject* object) override;
  int IndexOf(const AnsiString& text) const override;

  // Binary search of a sorted list: true when found; index is where the string is or belongs
  // (the first of equal strings when duplicates are accepted).
  bool Find(const AnsiString& text, int& index) const;
  void Exchange(int index1, int index2);
  void Sort();
  // Sorts by the given comparison; a sorted list stays as it is.
  void CustomSort(const TStringListSortCompare& compare);

  bool GetSorted() const { return sorted_; }
  void SetSorted(bool sorted);
  // What Add does on a sorted list with a string already in it.
  TDuplicates GetDuplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }

  // After every change of the strings, their objects or their order.
  TNotifyEvent OnChange;

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  struct Item {
    AnsiString text;
    TObject* object = nullptr;
  };
  std::vector<Item> items_;
  bool sorted_ = false;
  TDuplicates duplicates_ = dupIgnore;

  void CheckIndex(int index, int limit) const;
  void Changed();
  void QuickSort(int lo, int hi, const TStringListSortCompare& compare);
};
