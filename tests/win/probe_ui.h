// What the probe sees of the running editor and how it presses keys and
// moves the pointer: only interfaces that work across processes (window
// texts through WM_GETTEXT/WM_SETTEXT, window rectangles, injected input,
// and a buffer in the editor's process for a status pane's text).
#pragma once

#include <windows.h>

#include <string>

namespace probe {

// The editor's frame window, or nullptr after a wait of timeoutMs.
HWND FindFrame(DWORD timeoutMs = 10000);
// The first child of parent of the class, searched at every depth.
HWND FindChildOfClass(HWND parent, const wchar_t* className);
// The child of parent with the control id (direct children only).
HWND FindChildWithId(HWND parent, int id, const wchar_t* className);

// Pane 0 of the frame's status bar.
std::wstring StatusText(HWND frame);
// The text of one pane of the frame's status bar.
std::wstring StatusPaneText(HWND frame, int pane);
// Writes pane 0 of the frame's status bar (a mark the probe can see change).
void SetStatusText(HWND frame, const std::wstring& text);

// Waits until pane 0 differs from mark; false on time-out.
bool WaitStatusChange(HWND frame, const std::wstring& mark, DWORD timeoutMs);

// The text of a window (WM_GETTEXT).
std::wstring WindowText(HWND hwnd);

// The visible popup-menu window (class "#32768") of the frame's process.
HWND VisibleMenuPopup(HWND frame);

// Input.
void Key(WORD vk, bool down);
void Tap(WORD vk);
void AltKey(WORD vk);
void MoveMouse(int x, int y);
void ClickAt(int x, int y, bool right = false);
void Pump(DWORD ms);

// UTF-8 for printing.
std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

}  // namespace probe
