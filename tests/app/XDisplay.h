// A virtual X display of the test's own (Xvfb), a program started on it, and the real pointer
// and keyboard driven through the X server (xdotool), with grabs of the windows and the
// window manager's request to close one. Only this object's clients hold the display's
// cookie. Every wait is bounded.
#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "temp_folder.h"

class XDisplay {
 public:
  XDisplay();
  ~XDisplay();
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;

  // Empty when the display runs; otherwise why it could not start.
  QString Problem() const { return problem_; }
  // The display's name, as DISPLAY gives it.
  QString Name() const { return display_; }
  // The environment of a client of the display: its name and its cookie.
  QProcessEnvironment ClientEnvironment() const;

  // Starts a program on the display in a working folder, with extra environment settings.
  void Start(const QString& program, const QString& folder, const QStringList& environment);
  // The program's exit code once it has ended within the time, else nothing.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit);
  QString ProgramOutput();

  // The id of the shown window whose title matches the pattern, waiting for it to appear.
  QString Window(const QString& titlePattern,
                 std::chrono::milliseconds limit = std::chrono::seconds(20));
  bool WindowGone(const QString& titlePattern,
                  std::chrono::milliseconds limit = std::chrono::seconds(20));
  // The titles of the windows shown, for the messages of a failed step.
  std::string Titles();
  // The window's place on the screen and its size.
  QRect Geometry(const QString& window);
  QImage Grab(const QString& window);
  // Asks the window to close, as a window manager's close button does.
  void Close(const QString& window);

  // The pointer at a point of the screen.
  void Click(QPoint at);
  void DoubleClick(QPoint at);
  void Press(QPoint at);
  void Release();
  // Keys go to the window under the pointer (there is no window manager to give the focus):
  // the pointer moves into the window first.
  void Type(const QString& window, const QString& text);
  void Key(const QString& window, const QString& keys);

 private:
  QString Run(const QStringList& arguments, int timeoutMs = 10000);
  static bool WaitUntil(std::chrono::milliseconds limit, const std::function<bool()>& done);
  void Settle();
  void PointInto(const QString& window);

  QString problem_;
  TempFolder folder_;
  std::string authority_ = folder_ / "Xauthority";
  QString display_;
  int serverPid_ = -1;
  struct _XDisplay* connection_ = nullptr;
  QProcess program_;
};
