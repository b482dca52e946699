// The application object: the forms it owns and its main form, the message loop, the title,
// the display of exceptions that escape an event handler. The screen is in screen.h.
#pragma once

#include <chrono>
#include <exception>
#include <functional>

#include "platform/core/component.h"
#include "platform/controls/screen.h"
#include "platform/core/text.h"

class TForm;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  AnsiString Title;
  // The full file name of the running program.
  AnsiString ExeName() const;

  // Starts the window system; the title defaults to the program's name.
  void Initialize(int& argc, char** argv);
  // Creates a form owned by the application; the first one becomes the main form.
  template <class T>
  void CreateForm(T*& form) {
    form = new T(this);
    form->AfterConstruction();
    FormCreated(form);
  }
  TForm* GetMainForm() const { return mainForm_; }

  // Runs the message loop once. The engine calls it once per record, so a call made within a
  // few milliseconds of the last real run returns at once; the window stays just as responsive.
  void ProcessMessages();
  // Shows the main form and runs the message loop until Terminate() or the main form closes.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Frees the forms and then the window system; the entry point's last call.
  void Shutdown();

  // Runs an event handler as the message loop does: an exception that escapes it is shown
  // and the program goes on.
  void HandleEvent(const std::function<void()>& handler);
  void ShowException(const std::exception& error);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void FormCreated(TForm* form);

  std::chrono::steady_clock::time_point lastRun_{};
  bool terminated_ = false;
  TForm* mainForm_ = nullptr;
  bool ownsWindowSystem_ = false;
};

extern TApplication* Application;
