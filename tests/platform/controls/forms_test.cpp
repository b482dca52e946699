#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/stdctrls/button.h"
#include "platform/controls/forms.h"
#include "message_log.h"
#include "scoped_application.h"

namespace {

// A form that logs its events in order.
class LoggedForm : public TForm {
 public:
  explicit LoggedForm(TComponent* owner) : TForm(owner) {
    OnShow = [this](TObject*) { log.push_back("show"); };
    OnActivate = [this](TObject*) { log.push_back("activate"); };
    OnClose = [this](TObject*, TCloseAction& action) {
      log.push_back("close");
      if (refuseCloses > 0) {
        --refuseCloses;
        action = caNone;
      }
    };
  }
  std::vector<std::string> log;
  int refuseCloses = 0;
};

void Later(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

// The window the modal one came from is active again once it closes, with the focus where it
// was, so keys reach it at once.
TEST(Form, AModalWindowGivesTheActivationBackToTheWindowItCameFrom) {
  TForm owner(nullptr);
  auto* button = new TButton(&owner);
  button->SetParent(&owner);
  owner.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(owner.Widget()));
  button->SetFocus();
  TForm modal(nullptr);
  Later([&] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(modal.Widget()));
    modal.ModalResult = mrOk;
  });
  EXPECT_EQ(modal.ShowModal(), mrOk);
  EXPECT_TRUE(QTest::qWaitForWindowActive(owner.Widget()));
  EXPECT_TRUE(button->Focused());
}

TEST(Form, SizeIncludesTheFrameAndTheWidgetIsTheClientArea) {
  TForm form(nullptr);
  form.SetBounds(10, 20, 674, 390);
  EXPECT_EQ(form.GetClientWidth(), 666);
  EXPECT_EQ(form.GetClientHeight(), 363);
  EXPECT_EQ(form.Widget()->size(), QSize(666, 363));
  form.SetClientWidth(200);
  EXPECT_EQ(form.GetWidth(), 208);
  form.SetCaption("Fenster f\xFCr Tests");
  EXPECT_EQ(form.Widget()->windowTitle(), QString::fromUtf8("Fenster f\xC3\xBCr Tests"));
  EXPECT_FALSE(form.GetVisible());
}

TEST(Form, ShowModalReturnsTheResultSetWhileItRuns) {
  LoggedForm form(nullptr);
  Later([&] {
    EXPECT_TRUE(form.Widget()->isVisible());
    EXPECT_TRUE(form.IsModal());
    form.ModalResult = mrOk;
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(form.log, (std::vector<std::string>{"show", "activate", "close"}));
  EXPECT_FALSE(form.GetVisible());
  EXPECT_FALSE(form.Widget()->isVisible());
  EXPECT_FALSE(form.IsModal());
}

TEST(Form, ClosingFromTheFrameCancelsAndOnCloseMayRefuse) {
  LoggedForm form(nullptr);
  form.refuseCloses = 1;
  Later([&] {
    form.Widget()->close();  // refused: the form stays
    Later([&] {
      EXPECT_TRUE(form.GetVisible());
      form.Widget()->close();
    });
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(form.log, (std::vector<std::string>{"show", "activate", "close", "close"}));
}

TEST(Form, ButtonWithModalResultEndsTheShowing) {
  TForm form(nullptr);
  auto* ok = new TButton(&form);
  ok->SetParent(&form);
  ok->ModalResult = mrYes;
  Later([&] { QTest::mouseClick(ok->Widget(), Qt::LeftButton); });
  EXPECT_EQ(form.ShowModal(), mrYes);
}

TEST(Form, ShowingAVisibleFormModallyIsRefused) {
  TForm form(nullptr);
  form.Show();
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST(Form, ModalChildDoesNotActivateItsOwnerAgain) {
  LoggedForm owner(nullptr);
  TForm child(nullptr);
  owner.Show();
  Later([&] { child.Close(); });
  EXPECT_EQ(child.ShowModal(), mrCancel);
  owner.Close();
  owner.Show();
  EXPECT_EQ(owner.log, (std::vector<std::string>{"show", "activate", "close", "show", "activate"}));
}

TEST(Form, ClosingTheMainFormEndsTheMessageLoop) {
  ScopedApplication scope;
  LoggedForm* main = nullptr;
  LoggedForm* other = nullptr;
  Application->CreateForm(main);
  Application->CreateForm(other);
  EXPECT_EQ(Application->GetMainForm(), main);

  other->Show();
  other->Close();  // only hides
  EXPECT_FALSE(other->GetVisible());
  EXPECT_FALSE(Application->Terminated());

  Later([&] { main->Close(); });
  Application->Run();  // shows the main form and returns when it closes
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(main->log, (std::vector<std::string>{"show", "activate", "close"}));

  delete main;
  EXPECT_EQ(Application->GetMainForm(), nullptr);
}

TEST(Form, ExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
  MessageLog messages;
  Application->HandleEvent([] { throw Exception("Datei fehlt"); });
  Application->HandleEvent([] { throw Exception("Schon mit Punkt."); });
  Application->HandleEvent([] { throw Exception(""); });
  EXPECT_EQ(messages.texts, (std::vector<AnsiString>{"Datei fehlt.", "Schon mit Punkt.", ""}));
  EXPECT_EQ(messages.captions[0], Application->Title);
}

}  // namespace

namespace {

TEST(Form, CloseQueryMayKeepTheFormOpen) {
  LoggedForm form(nullptr);
  bool canClose = false;
  form.OnCloseQuery = [&](TObject*, bool& allow) {
    form.log.push_back("query");
    allow = canClose;
  };
  form.Show();
  form.Close();
  EXPECT_TRUE(form.GetVisible());
  canClose = true;
  form.Close();
  EXPECT_FALSE(form.GetVisible());
  EXPECT_EQ(form.log, (std::vector<std::string>{"show", "activate", "query", "query", "close"}));
}

TEST(Form, ModalFormAsksBeforeItsResultEndsTheShowing) {
  LoggedForm form(nullptr);
  int queries = 0;
  form.OnCloseQuery = [&](TObject*, bool& allow) { allow = ++queries > 1; };
  Later([&] {
    form.ModalResult = mrOk;  // refused: the loop goes on with the result cleared
    Later([&] { form.ModalResult = mrNo; });
  });
  EXPECT_EQ(form.ShowModal(), mrNo);
  EXPECT_EQ(queries, 2);
}

TEST(Form, CloseWithCaFreeFreesTheFormLater) {
  auto* form = new TForm(nullptr);
  auto* button = new TButton(form);
  button->SetParent(form);
  QPointer<QWidget> widget(form->Widget());
  form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  form->Show();
  form->Close();
  EXPECT_TRUE(widget);  // still there while the close runs
  QCoreApplication::sendPostedEvents();
  EXPECT_FALSE(widget);
}

TEST(Form, ActivateOncePerShowingAndDeactivateWhenHidden) {
  LoggedForm form(nullptr);
  form.OnDeactivate = [&](TObject*) { form.log.push_back("deactivate"); };
  form.Show();
  form.Hide();
  form.Show();
  EXPECT_EQ(form.log, (std::vector<std::string>{"show", "activate", "deactivate", "show",
                                                "activate"}));
}

TEST(Form, OnCreateFiresOnceTheFormIsBuilt) {
  struct Created : TForm {
    explicit Created(TComponent* owner) : TForm(owner) {
      OnCreate = [this](TObject*) { created = GetCaption(); };
      SetCaption("fertig");
    }
    AnsiString created;
  };
  ScopedApplication scope;
  Created* form = nullptr;
  Application->CreateForm(form);
  EXPECT_EQ(form->created, "fertig");
}

TEST(Form, BorderStyleDecidesTheFrameAndPositionTheCentre) {
  TForm form(nullptr);
  form.SetBorderStyle(bsDialog);
  form.SetBounds(0, 0, 300, 200);
  EXPECT_EQ(form.GetClientWidth(), 294);
  EXPECT_EQ(form.GetClientHeight(), 175);
  form.SetClientWidth(180);
  EXPECT_EQ(form.GetWidth(), 186);
  form.SetBorderStyle(bsNone);
  EXPECT_EQ(form.GetClientWidth(), 186);
  form.SetPosition(poScreenCenter);
  form.Show();
  EXPECT_EQ(form.GetLeft(), (Screen->GetWidth() - form.GetWidth()) / 2);
  EXPECT_EQ(form.GetTop(), (Screen->GetHeight() - form.GetHeight()) / 2);
}

TEST(Form, ActiveControlGetsTheFocusWhenTheFormShows) {
  TForm form(nullptr);
  auto* first = new TButton(&form);
  auto* second = new TButton(&form);
  first->SetParent(&form);
  second->SetParent(&form);
  form.SetActiveControl(second);
  EXPECT_THROW(first->SetFocus(), EInvalidOperation);  // the form is hidden
  std::vector<std::string> entered;
  second->OnEnter = [&](TObject*) { entered.push_back("second"); };
  form.Show();
  EXPECT_EQ(form.GetActiveControl(), second);
  EXPECT_EQ(entered, std::vector<std::string>{"second"});
  second->SetEnabled(false);
  EXPECT_FALSE(second->CanFocus());
  EXPECT_THROW(second->SetFocus(), EInvalidOperation);
  delete second;  // the form forgets a control that goes
  EXPECT_EQ(form.GetActiveControl(), nullptr);
}

TEST(Form, AnotherWindowTakingOverDeactivatesTheForm) {
  LoggedForm first(nullptr);
  LoggedForm second(nullptr);
  first.OnDeactivate = [&](TObject*) { first.log.push_back("deactivate"); };
  first.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(first.Widget()));
  second.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(second.Widget()));
  EXPECT_EQ(first.log, (std::vector<std::string>{"show", "activate", "deactivate"}));
}

TEST(Form, ResizeFiresOnResizeAndRealignsTheControls) {
  TForm form(nullptr);
  auto* bottom = new TButton(&form);
  bottom->SetParent(&form);
  bottom->SetAlign(alBottom);
  int resizes = 0;
  form.OnResize = [&](TObject*) { ++resizes; };
  form.SetBounds(0, 0, 400, 300);
  form.SetBounds(10, 10, 400, 300);  // moved only
  EXPECT_EQ(resizes, 1);
  EXPECT_EQ(bottom->GetTop() + bottom->GetHeight(), form.GetClientHeight());
  EXPECT_EQ(bottom->GetWidth(), form.GetClientWidth());
}

}  // namespace
