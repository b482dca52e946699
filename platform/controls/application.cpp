#include "platform/controls/application.h"

#include <QApplication>
#include <QFileInfo>
#include <memory>

#include "platform/controls/dialogs.h"
#include "platform/controls/forms.h"
#include "platform/core/qt/qt_text.h"

namespace {
// Declared before the application object, so that it outlives the forms that object frees.
std::unique_ptr<QApplication> windowSystem;
TApplication theApplication;
constexpr auto kLoopInterval = std::chrono::milliseconds(5);
}  // namespace

TApplication* Application = &theApplication;

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() { Shutdown(); }

void TApplication::Initialize(int& argc, char** argv) {
  if (!QCoreApplication::instance()) {
    windowSystem = std::make_unique<QApplication>(argc, argv);
    ownsWindowSystem_ = true;
  }
  // Only the main form's closing ends the program, not the last window that goes away.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  if (Title.empty() && argc > 0) Title = FromQString(QFileInfo(argv[0]).completeBaseName());
}

void TApplication::FormCreated(TForm* form) {
  if (!mainForm_) mainForm_ = form;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::ProcessMessages() {
  auto now = std::chrono::steady_clock::now();
  if (now - lastRun_ < kLoopInterval) return;
  lastRun_ = now;
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void TApplication::Run() {
  if (mainForm_ && !terminated_) HandleEvent([this] { mainForm_->Show(); });
  if (!terminated_ && QCoreApplication::instance()) QCoreApplication::exec();
}

void TApplication::Terminate() {
  terminated_ = true;
  if (QCoreApplication::instance()) QCoreApplication::quit();
}

void TApplication::Shutdown() {
  DestroyComponents();
  if (ownsWindowSystem_) windowSystem.reset();
  ownsWindowSystem_ = false;
}

void TApplication::HandleEvent(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(Exception("Unknown exception"));
  }
}

// As the class library shows it: a period is added unless the text ends in one, or in a
// character that sorts before it.
void TApplication::ShowException(const std::exception& error) {
  AnsiString text = error.what();
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  MessageBox(text, Title, MB_OK | MB_ICONERROR);
}

AnsiString TApplication::ExeName() const {
  return FromQString(QCoreApplication::applicationFilePath());
}
