#pragma once

class QKeyEvent;

// The character code a key press types, or -1 for a key that types none.
//
// Keys that give a character or a control code count: letters, digits,
// punctuation, Enter (13), Backspace (8), Escape (27), Ctrl+letter (1-26),
// Ctrl+Enter (10), Ctrl+Backspace (127).
// Moving and editing keys (arrows, Home, End, Delete, Tab...), lone
// modifiers and Alt combinations (access keys, menus) do not, and keep their
// usual meaning in a text box.
int codiceCarattere(const QKeyEvent &evento);
