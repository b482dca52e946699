// A private folder in the system's temporary folder for the intermediate files of one
// exchange, removed with everything in it when the exchange ends, also after a failure.
#pragma once

#include <string>

class ScratchFolder {
 public:
  ScratchFolder();  // throws Exception when no folder can be made
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string operator/(const std::string& Name) const { return path_ + "/" + Name; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Copies a finished file from the scratch folder to its place, replacing what was there whole
// (the scratch folder may lie on another file system); throws Exception "Cannot create file "
// + Target when it cannot, and what was there stays.
void PlaceFile(const std::string& From, const std::string& Target);
