// Another program changes a table while a query run reads it: the first time the run lets
// the message loop run after it has read records (its progress is above 0 then), a Python
// process cuts the file to a length or appends blank records to it, and ends before the run
// goes on; or the test makes a change of its own there.
#pragma once

#include <QTimer>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "engine/dbase.h"
#include "python_peer.h"

class ChangeDuringRun {
 public:
  // The file cut to `size` bytes.
  static std::vector<std::string> Cut(const std::string& path, long size) {
    return {"import os, sys; os.truncate(sys.argv[1], int(sys.argv[2]))", path,
            std::to_string(size)};
  }
  // `bytes` blanks appended to the file.
  static std::vector<std::string> Append(const std::string& path, long bytes) {
    return {"import sys; open(sys.argv[1], 'ab').write(b' ' * int(sys.argv[2]))", path,
            std::to_string(bytes)};
  }

  // The script and its arguments, as Cut and Append give them.
  explicit ChangeDuringRun(std::vector<std::string> script)
      : ChangeDuringRun([script] {
          return RunPython(script[0], {script.begin() + 1, script.end()}).status == 0;
        }) {}
  // A change the test makes itself; true when it was made.
  explicit ChangeDuringRun(std::function<bool()> change) {
    dbase_prozent = 0;
    QObject::connect(&timer_, &QTimer::timeout, [this, change] {
      if (dbase_prozent == 0) {
        // The loop runs at most every few milliseconds: waiting here lets it run at the
        // run's next offer, after records were read.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return;
      }
      timer_.stop();
      changed_ = change();
    });
    timer_.start(0);
  }
  ChangeDuringRun(const ChangeDuringRun&) = delete;
  ChangeDuringRun& operator=(const ChangeDuringRun&) = delete;

  bool Changed() const { return changed_; }

 private:
  QTimer timer_;
  bool changed_ = false;
};

// What the query run says when the table changed under it.
inline AnsiString ChangedDuringRunMessage(const std::string& path) {
  return "Fehler: dbase_abfrage: " + path +
         ": Datei wurde w\xE4hrend der Abfrage von einem anderen Programm ge\xE4ndert - bitte "
         "Abfrage wiederholen";
}
