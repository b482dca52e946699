#include "XDisplay.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

// Last: Xlib's macros (None, Bool, Status) would rename what the headers above declare.
#include <X11/Xauth.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;
constexpr auto kPoll = std::chrono::milliseconds(100);
// What the program needs after an input to have drawn its answer.
constexpr int kSettleMs = 250;
constexpr char kCookieName[] = "MIT-MAGIC-COOKIE-1";

std::string NewCookie() {
  std::random_device random;
  std::string cookie(16, '\0');
  for (char& c : cookie) c = static_cast<char>(random());
  return cookie;
}

// An authority file whose one entry fits any display number, so it can be written before
// the server has chosen one.
bool WriteAuthority(const std::string& path, std::string cookie) {
  std::string name = kCookieName;
  Xauth entry{};
  entry.family = FamilyWild;
  entry.name = name.data();
  entry.name_length = static_cast<unsigned short>(name.size());
  entry.data = cookie.data();
  entry.data_length = static_cast<unsigned short>(cookie.size());
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = XauWriteAuth(file, &entry) == 1;
  return std::fclose(file) == 0 && written;
}

// Starts Xvfb on a free display, which it names through a pipe; -1 when it does not start.
// Only clients with the cookie of `authority` connect: a client of another test or session
// that takes the number for its own display cannot type into this display's windows.
int StartServer(const std::string& authority, QString& display) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return -1;
  const pid_t parent = getpid();
  pid_t pid = fork();
  if (pid == 0) {
    // A test killed before its tear-down leaves no server behind.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
    dup2(pipeFds[1], 3);
    close(pipeFds[0]);
    std::string screen = std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
    execlp("Xvfb", "Xvfb", "-displayfd", "3", "-auth", authority.c_str(), "-screen", "0",
           screen.c_str(), "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFds[1]);
  if (pid < 0) return -1;
  std::string number;
  char c;
  while (read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
  close(pipeFds[0]);
  if (number.empty()) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return -1;
  }
  display = ":" + QString::fromStdString(number);
  return pid;
}

}  // namespace

XDisplay::XDisplay() {
  for (const char* tool : {"Xvfb", "xdotool"})
    if (QStandardPaths::findExecutable(tool).isEmpty())
      problem_ += QString(tool) + " is not installed; ";
  if (!problem_.isEmpty()) return;
  std::string cookie = NewCookie();
  if (!WriteAuthority(authority_, cookie)) {
    problem_ = "the display's authority file could not be written";
    return;
  }
  serverPid_ = StartServer(authority_, display_);
  if (serverPid_ < 0) {
    problem_ = "Xvfb did not start";
    return;
  }
  // This process's own connection takes the cookie directly, not through its environment.
  std::string name = kCookieName;
  XSetAuthorization(name.data(), static_cast<int>(name.size()), cookie.data(),
                    static_cast<int>(cookie.size()));
  connection_ = XOpenDisplay(display_.toLocal8Bit().constData());
  XSetAuthorization(nullptr, 0, nullptr, 0);
  if (!connection_) problem_ = "the virtual display does not answer";
}

XDisplay::~XDisplay() {
  if (program_.state() != QProcess::NotRunning) {
    program_.kill();
    program_.waitForFinished(5000);
  }
  if (connection_) XCloseDisplay(connection_);
  if (serverPid_ > 0) {
    kill(serverPid_, SIGTERM);
    waitpid(serverPid_, nullptr, 0);
  }
}

void XDisplay::Start(const QString& program, const QString& folder,
                     const QStringList& environment) {
  QProcessEnvironment env = ClientEnvironment();
  env.insert("QT_QPA_PLATFORM", "xcb");
  for (const QString& setting : environment)
    env.insert(setting.section('=', 0, 0), setting.section('=', 1));
  program_.setProcessEnvironment(env);
  program_.setWorkingDirectory(folder);
  program_.setProcessChannelMode(QProcess::MergedChannels);
  program_.start(program, {});
  program_.waitForStarted(10000);
}

std::optional<int> XDisplay::WaitForExit(std::chrono::milliseconds limit) {
  if (!program_.waitForFinished(static_cast<int>(limit.count()))) return std::nullopt;
  if (program_.exitStatus() != QProcess::NormalExit) return -1;
  return program_.exitCode();
}

QString XDisplay::ProgramOutput() { return QString::fromLocal8Bit(program_.readAll()); }

QProcessEnvironment XDisplay::ClientEnvironment() const {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", display_);
  env.insert("XAUTHORITY", QString::fromStdString(authority_));
  return env;
}

QString XDisplay::Run(const QStringList& arguments, int timeoutMs) {
  QProcess tool;
  tool.setProcessEnvironment(ClientEnvironment());
  tool.start(arguments.front(), arguments.mid(1));
  if (!tool.waitForFinished(timeoutMs)) {
    tool.kill();
    tool.waitForFinished(1000);
    return {};
  }
  return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

bool XDisplay::WaitUntil(std::chrono::milliseconds limit, const std::function<bool()>& done) {
  auto end = std::chrono::steady_clock::now() + limit;
  do {
    if (done()) return true;
    QThread::msleep(kPoll.count());
  } while (std::chrono::steady_clock::now() < end);
  return false;
}

QString XDisplay::Window(const QString& titlePattern, std::chrono::milliseconds limit) {
  QString found;
  if (!WaitUntil(limit, [&] {
        found = Run({"xdotool", "search", "--onlyvisible", "--name", titlePattern});
        return !found.isEmpty();
      }))
    return {};
  Settle();  // shown is not yet drawn, nor has its focus
  return found.split('\n').last();
}

bool XDisplay::WindowGone(const QString& titlePattern, std::chrono::milliseconds limit) {
  return WaitUntil(limit, [&] {
    return Run({"xdotool", "search", "--onlyvisible", "--name", titlePattern}).isEmpty();
  });
}

std::string XDisplay::Titles() {
  QStringList titles;
  for (const QString& id : Run({"xdotool", "search", "--onlyvisible", "--name", "."}).split('\n'))
    if (!id.isEmpty()) titles << Run({"xdotool", "getwindowname", id});
  return titles.join(" | ").toStdString();
}

QRect XDisplay::Geometry(const QString& window) {
  QRect r;
  for (const QString& line : Run({"xdotool", "getwindowgeometry", "--shell", window}).split('\n')) {
    int value = line.section('=', 1).toInt();
    if (line.startsWith("X=")) r.moveLeft(value);
    if (line.startsWith("Y=")) r.moveTop(value);
    if (line.startsWith("WIDTH=")) r.setWidth(value);
    if (line.startsWith("HEIGHT=")) r.setHeight(value);
  }
  return r;
}

QImage XDisplay::Grab(const QString& window) {
  ::Window id = window.toULong();
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(connection_, id, &attributes)) return {};
  XImage* pixels = XGetImage(connection_, id, 0, 0, attributes.width, attributes.height,
                             AllPlanes, ZPixmap);
  if (!pixels) return {};
  QImage image(attributes.width, attributes.height, QImage::Format_RGB32);
  for (int y = 0; y < attributes.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < attributes.width; ++x)
      line[x] = static_cast<QRgb>(XGetPixel(pixels, x, y)) | 0xFF000000u;
  }
  XDestroyImage(pixels);
  return image;
}

void XDisplay::Close(const QString& window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window.toULong();
  event.xclient.message_type = XInternAtom(connection_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(connection_, event.xclient.window, False, NoEventMask, &event);
  XFlush(connection_);
  Settle();
}

void XDisplay::Settle() { QThread::msleep(kSettleMs); }

// Pointer moves without --sync: xdotool would wait for ever on a move to where the pointer is,
// and the server handles the move before the click that follows it anyway.
void XDisplay::Click(QPoint at) {
  Run({"xdotool", "mousemove", QString::number(at.x()), QString::number(at.y()),
       "click", "1"});
  Settle();
}

void XDisplay::DoubleClick(QPoint at) {
  Run({"xdotool", "mousemove", QString::number(at.x()), QString::number(at.y()),
       "click", "--repeat", "2", "--delay", "80", "1"});
  Settle();
}

void XDisplay::Press(QPoint at) {
  Run({"xdotool", "mousemove", QString::number(at.x()), QString::number(at.y()),
       "mousedown", "1"});
}

void XDisplay::Release() {
  Run({"xdotool", "mouseup", "1"});
  Settle();
}

void XDisplay::PointInto(const QString& window) {
  QPoint middle = Geometry(window).center();
  Run({"xdotool", "mousemove", QString::number(middle.x()), QString::number(middle.y())});
}

void XDisplay::Type(const QString& window, const QString& text) {
  PointInto(window);
  Run({"xdotool", "type", "--delay", "40", text}, 30000);
  Settle();
}

void XDisplay::Key(const QString& window, const QString& keys) {
  PointInto(window);
  Run({"xdotool", "key", keys});
  Settle();
}
