#pragma once
// Drives a modal window from inside its event loop: `body` runs once the window of type W
// is the active modal one, which is rejected afterwards if it is still open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QTimer>
#include <functional>

#include "ui/Tkeyfunc.h"

template <class W>
void WhenModal(std::function<void(W&)> body) {
  QTimer::singleShot(0, [body] {
    auto* w = dynamic_cast<W*>(QApplication::activeModalWidget());
    ASSERT_NE(w, nullptr);
    body(*w);
    if (w->isVisible()) w->reject();
  });
}

// Runs `body` once a modal window of type W is open and `ready` holds for it; the body may
// open further modal windows.
template <class W>
void WhenShown(std::function<bool(W&)> ready, std::function<void(W&)> body) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, ready, body] {
    auto* w = dynamic_cast<W*>(QApplication::activeModalWidget());
    if (!w || !w->isVisible() || (ready && !ready(*w))) return;
    poll->stop();
    poll->deleteLater();
    body(*w);
  });
  poll->start();
}

// Clears the keyboard titled `caption`, types the text and presses "End".
inline void AnswerKeyboard(const char* caption, const char* text) {
  WhenShown<Tkeyfunc>([caption](Tkeyfunc& k) { return k.windowTitle() == QString::fromUtf8(caption); },
                      [text](Tkeyfunc& k) {
                        k.Key("Ac")->click();
                        QTest::keyClicks(k.Edit(), QString::fromUtf8(text));
                        k.Key("SpeedButton1")->click();
                      });
}
