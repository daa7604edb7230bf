#pragma once

#include <functional>

class QWidget;

// Runs `task` once `widget` has been painted for the first time, when that paint is over: what
// the first frame does not show (icons, mostly) then does not hold the window back.
void afterFirstPaint(QWidget* widget, std::function<void()> task);
// Runs `task` as `widget`'s first paint begins, before the tasks of afterFirstPaint(): the
// start-up benchmark ends the event loop there, at the first frame.
void atFirstPaint(QWidget* widget, std::function<void()> task);
