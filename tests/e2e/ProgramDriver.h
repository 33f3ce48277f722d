#pragma once
// What the end-to-end tests share to drive the running program from outside: waiting while
// handling events, the screen, pressing the main window's controls and keys through its port, and
// reading the state it reports.

#include <QImage>
#include <QString>

#include <functional>
#include <initializer_list>

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
// Holds keys (Qt key codes, in that order) down in the 3D view for `milliseconds`, then lets
// them go, the last first.
bool HoldKeys(std::initializer_list<int> keys, int milliseconds);

// Asks the program for its state and returns the line it logs ("state lat=… lon=… …"), or an
// empty text when none came within 10 s.
QString ReportedState();
// The number after "key=" in a state line (0 when missing).
double StateNumber(const QString& state, const char* key);
// The word (up to the next blank) after "key=" in a state line.
QString StateWord(const QString& state, const char* key);

}  // namespace velmara::test
