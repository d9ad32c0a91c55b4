#pragma once
// Answering a modal dialog from inside its own loop, as the user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

// Acts on the first visible top-level widget of type D once it shows. A dialog still
// open five seconds later is rejected, so that a test fails instead of hanging.
inline int answerGeneration = 0;

template <typename D>
void WhenShown(std::function<void(D*)> act) {
  const int mine = ++answerGeneration;
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<D*>(w); d && d->isVisible()) {
        poll->stop();
        poll->deleteLater();
        act(d);
        return;
      }
  });
  poll->start(10);
  QTimer::singleShot(5000, [poll = QPointer<QTimer>(poll), mine] {
    if (mine != answerGeneration) return;
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << "the dialog was not answered";
      if (poll) poll->stop();
      modal->reject();
    }
  });
}

