#pragma once
// What the end-to-end tests share to drive the running program from outside: waiting while
// handling events, the screen, and pressing the main window's controls through its port.

#include <QImage>

#include <functional>

namespace velmara::test {

// Handles events until `ready` or `milliseconds` have passed; whether it became ready.
bool WaitFor(const std::function<bool()>& ready, int milliseconds);
// Handles events for `milliseconds`.
void Pause(int milliseconds);
QImage Screen();
// Distinct colours in the middle of a picture: a drawn chart has many, an empty view few.
int ColoursInCentre(const QImage& image);
// Presses the main window's control or menu item of that name (list item `item`).
bool PressControl(const char* name, int item = -1);

}  // namespace velmara::test
