// Drags carried by real Qt drag events sent to a widget, offscreen: a drop of MIME data at a
// point, and a drag loop that takes the place of the desktop's while a scope lives and drops
// whatever a control starts dragging onto a chosen widget.
#pragma once

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "platform/controls/ole_dragdrop.h"

namespace drag_script {

// The drop action a target chose, Qt::IgnoreAction when it refused.
inline Qt::DropAction DropOn(QWidget* target, QPoint at, const QMimeData& data,
                             Qt::KeyboardModifiers modifiers = {},
                             Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
  auto refused = [target](QEvent& step) {
    QApplication::sendEvent(target, &step);
    if (step.isAccepted()) return false;
    QDragLeaveEvent leave;
    QApplication::sendEvent(target, &leave);
    return true;
  };
  QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, modifiers);
  if (refused(enter)) return Qt::IgnoreAction;
  QDragMoveEvent move(at, actions, &data, Qt::LeftButton, modifiers);
  if (refused(move)) return Qt::IgnoreAction;
  QDropEvent drop(QPointF(at), actions, &data, Qt::NoButton, modifiers);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

inline QMimeData* TextData(const QString& text) {
  auto* data = new QMimeData;
  data->setText(text);
  return data;
}

inline QMimeData* FileData(const QStringList& files) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const QString& file : files) urls.append(QUrl::fromLocalFile(file));
  data->setUrls(urls);
  return data;
}

// While it lives, a drag a control starts is dropped on `target` at `at` (or cancelled by
// Esc when `escape`); it remembers the MIME data dragged and the result.
class ScriptedDrag {
 public:
  ScriptedDrag(QWidget* target, QPoint at, Qt::KeyboardModifiers modifiers = {}, bool escape = false) {
    previous_ = SetDragLoop([=, this](TDragSession& session, DWORD& effect) -> HRESULT {
      ++drags;
      formats = session.Mime()->formats();
      text = session.Mime()->text();
      if (escape || !target) {
        session.Feedback(DROPEFFECT_NONE);
        return session.QueryContinue(escape, MK_LBUTTON);
      }
      const DWORD keys = modifiers & Qt::ControlModifier ? DWORD(MK_CONTROL) : DWORD(0);
      if (session.QueryContinue(false, keys) != DRAGDROP_S_DROP) return DRAGDROP_S_CANCEL;
      const Qt::DropAction action = DropOn(target, at, *session.Mime(), modifiers);
      effect = action == Qt::MoveAction ? DROPEFFECT_MOVE
               : action == Qt::CopyAction ? DROPEFFECT_COPY : DROPEFFECT_NONE;
      session.Feedback(effect);
      return DRAGDROP_S_DROP;
    });
  }
  ~ScriptedDrag() { SetDragLoop(previous_); }
  ScriptedDrag(const ScriptedDrag&) = delete;
  ScriptedDrag& operator=(const ScriptedDrag&) = delete;

  int drags = 0;
  QStringList formats;
  QString text;

 private:
  TDragLoop previous_;
};

}  // namespace drag_script
