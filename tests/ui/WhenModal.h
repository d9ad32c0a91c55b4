#pragma once
// Drives a modal window from inside its event loop: `body` runs once the window of type W
// is the active modal one, which is rejected afterwards if it is still open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

template <class W>
void WhenModal(std::function<void(W&)> body) {
  QTimer::singleShot(0, [body] {
    auto* w = dynamic_cast<W*>(QApplication::activeModalWidget());
    ASSERT_NE(w, nullptr);
    body(*w);
    if (w->isVisible()) w->reject();
  });
}
