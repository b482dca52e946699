// A fresh folder for one test, removed with everything in it afterwards; one that also serves
// as the user's configuration home while it lives; and the working folder moved for a test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kalvento-XXXXXX").string();
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "no temporary folder";
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// An environment variable set for a scope and given back afterwards.
class EnvironmentScope {
 public:
  EnvironmentScope(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old, hadOld_ = true;
    setenv(name, value.c_str(), 1);
  }
  ~EnvironmentScope() {
    if (hadOld_)
      setenv(name_, saved_.c_str(), 1);
    else
      unsetenv(name_);
  }
  EnvironmentScope(const EnvironmentScope&) = delete;
  EnvironmentScope& operator=(const EnvironmentScope&) = delete;

 private:
  const char* name_;
  std::string saved_;
  bool hadOld_ = false;
};

class ConfigHome : public TempFolder {
 public:
  std::string Kalvento(const std::string& name) const { return Path() + "/kalvento/" + name; }

 private:
  EnvironmentScope config_{"XDG_CONFIG_HOME", Path()};
};

// A folder that is the user's home and configuration home while it lives.
class UserHome : public ConfigHome {
 private:
  EnvironmentScope home_{"HOME", Path()};
};

// The working folder (where the program finds its definition, link files and saved queries)
// moved to a folder for one test.
class InFolder {
 public:
  explicit InFolder(const std::string& path) {
    if (!getcwd(saved_, sizeof saved_) || chdir(path.c_str()) != 0) ADD_FAILURE() << "chdir";
  }
  ~InFolder() { EXPECT_EQ(chdir(saved_), 0); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  char saved_[PATH_MAX];
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
