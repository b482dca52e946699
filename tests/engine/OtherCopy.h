// Another running copy of the program, as a forked process that takes one record's lock as
// the operator given and then does what the test tells it: give the lock back, or end
// without giving it back, as a copy that crashed or was killed would. Given a step of the
// lock attempt, it stops there until the test lets it go on, so a race between copies runs
// the same way every time. It may run as another user, and keep a message it shows open
// until the test closes it, as a user who has not yet clicked OK.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "engine/DbaseLockSteps.h"
#include "engine/dbase.h"
#include "tests/message_log.h"
#include "tests/other_user.h"

struct CopyOptions {
  std::optional<DbaseLockStep> stopAt{};
  std::optional<OtherUser> user{};
  bool holdMessages = false;
};

class OtherCopy {
 public:
  OtherCopy(const std::string& base, long n, const char* bediener, CopyOptions options = {}) {
    int commands[2], events[2];
    if (pipe(commands) != 0 || pipe(events) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(commands[1]);
      close(events[0]);
      Run(commands[0], events[1], base, n, bediener, options);
    }
    close(commands[0]);
    close(events[1]);
    commands_ = commands[1];
    events_ = events[0];
  }
  ~OtherCopy() { Leave(); }
  OtherCopy(const OtherCopy&) = delete;
  OtherCopy& operator=(const OtherCopy&) = delete;

  // Waits until the copy stands at its step; false when it got past without stopping.
  bool Stopped() { return Next() == 'S'; }
  // Waits until the copy shows a message; GoOn closes it.
  bool ShowsMessage() { return Next() == 'M'; }
  void GoOn() { Send('g'); }
  // What dbase_sperren gave the copy; waits for it.
  int Result() {
    if (!result_) result_ = Next() == 'R' ? Next() : 99;
    return *result_;
  }
  // What dbase_entsperren gives the copy.
  int Release() {
    Result();
    Send('u');
    return Next();
  }
  // Ends the copy; a lock it holds stays.
  void Leave() {
    if (pid_ <= 0) return;
    close(commands_);
    close(events_);
    waitpid(pid_, nullptr, 0);
    pid_ = 0;
  }
  // Ends the copy wherever it stands, as a crash would.
  void Kill() {
    if (pid_ > 0) kill(pid_, SIGKILL);
    Leave();
  }
  pid_t Pid() const { return pid_; }

 private:
  static inline int stopCommands_ = -1;
  static inline int stopEvents_ = -1;
  static inline DbaseLockStep stopStep_{};

  static void StopHere(DbaseLockStep step) {
    char go;
    if (step != stopStep_ || write(stopEvents_, "S", 1) != 1 || read(stopCommands_, &go, 1) != 1)
      return;
    DbaseLockStepHook = nullptr;  // once
  }

  // Messages stay open until the test lets the copy go on.
  class HeldMessages : public MessageLog {
   public:
    int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) override {
      char go;
      if (write(stopEvents_, "M", 1) != 1 || read(stopCommands_, &go, 1) != 1) _exit(1);
      return MessageLog::MessageBox(text, caption, flags);
    }
  };

  [[noreturn]] static void Run(int commands, int events, const std::string& base, long n,
                               const char* bediener, const CopyOptions& options) {
    if (options.user && !BecomeUser(*options.user)) _exit(1);
    stopCommands_ = commands;
    stopEvents_ = events;
    if (options.stopAt) {
      stopStep_ = *options.stopAt;
      DbaseLockStepHook = StopHere;
    }
    std::optional<HeldMessages> held;
    if (options.holdMessages) held.emplace();
    const char report[] = {'R', static_cast<char>(dbase_sperren(base, n, bediener))};
    if (write(events, report, 2) != 2) _exit(1);
    char command;
    while (read(commands, &command, 1) == 1) {
      const char released = static_cast<char>(dbase_entsperren(base, n, bediener));
      if (write(events, &released, 1) != 1) _exit(1);
    }
    _exit(0);
  }

  char Next() {
    char event = 99;
    return read(events_, &event, 1) == 1 ? event : 99;
  }
  void Send(char command) {
    if (write(commands_, &command, 1) != 1) return;
  }

  pid_t pid_ = 0;
  int commands_ = -1;
  int events_ = -1;
  std::optional<int> result_;
};
