// Test support: a driver configuration of the tests' own, in a temporary folder, with the
// SQLite ODBC driver under "Kalvento SQLite" and the data source "parts" on parts.db there.
// The driver manager reads where its configuration lies once per process, so there is one
// sandbox, made before the first test runs (Sandbox()). Available is false where the driver
// is not installed.
#pragma once

#include <dlfcn.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "../temp_folder.h"

class OdbcSandbox {
 public:
  OdbcSandbox() {
    // The driver manager loads its configuration library for each connection and drops it
    // again; kept loaded, what it leaves allocated at exit is named by it (lsan.supp).
    dlopen("libodbcinst.so.2", RTLD_NOW | RTLD_NODELETE);
    for (const char* dir : {"/usr/lib/x86_64-linux-gnu/odbc", "/usr/lib/aarch64-linux-gnu/odbc",
                            "/usr/lib/odbc", "/usr/lib64", "/usr/lib"}) {
      const std::string path = std::string(dir) + "/libsqlite3odbc.so";
      if (std::ifstream(path)) driver_ = path;
      if (!driver_.empty()) break;
    }
    std::ofstream(folder_ / "odbcinst.ini") << "[Kalvento SQLite]\nDriver=" << driver_ << "\n";
    std::ofstream(folder_ / "odbc.ini")
        << "[parts]\nDriver=Kalvento SQLite\nDatabase=" << Database() << "\n";
    Save("ODBCSYSINI", sysIni_, hadSysIni_);
    Save("ODBCINI", ini_, hadIni_);
    setenv("ODBCSYSINI", folder_.Path().c_str(), 1);
    setenv("ODBCINI", (folder_ / "odbc.ini").c_str(), 1);
  }
  ~OdbcSandbox() {
    Restore("ODBCSYSINI", sysIni_, hadSysIni_);
    Restore("ODBCINI", ini_, hadIni_);
  }

  static OdbcSandbox& Sandbox();

  bool Available() const { return !driver_.empty(); }
  std::string Database() const { return folder_ / "parts.db"; }
  std::string Folder() const { return folder_.Path(); }

 private:
  static void Save(const char* name, std::string& value, bool& had) {
    const char* old = std::getenv(name);
    had = old != nullptr;
    if (old) value = old;
  }
  static void Restore(const char* name, const std::string& value, bool had) {
    had ? setenv(name, value.c_str(), 1) : unsetenv(name);
  }
  TempFolder folder_;
  std::string driver_, sysIni_, ini_;
  bool hadSysIni_ = false, hadIni_ = false;
};
