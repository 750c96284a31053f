// The clock's neighbourhood in the stand-in's Windows 11 clock bridges: its
// state, set at run time, its painting, and the accessibility object that
// shows its elements to clients in other threads and processes.
#pragma once

#include "taskbar/StandInTaskbar.h"
#include "taskbar/TaskbarPlaces.h"

#include <windows.h>

// The one state every clock bridge of the process shows.
const TrayState& CurrentTrayState();
// False for an item or value it does not know.
bool SetTrayItem(WPARAM item, LPARAM value);

// Paints the bridge's elements: the clock as the fake system clock, the
// neighbours in kFakeNeighbourColour.
void PaintTray(HWND bridge, HDC dc);

// The answer to WM_GETOBJECT for the client object of a clock bridge: an
// object whose description lists the elements, a line each, as
// "ClassName;AutomationId;left,top,right,bottom" on the screen (Wine's UI
// Automation has no rectangles; its MSAA crosses processes). 0 for other
// objects.
// Tells window event listeners that the clock bridges of the taskbar show
// other elements, as the shell's content does when its structure changes.
void AnnounceTrayChange(HWND taskbar);

LRESULT AnswerTrayObject(HWND bridge, WPARAM flags, LPARAM objectId);
