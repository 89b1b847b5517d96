// Guided play said in words as it happens, a sentence a line, for a player
// who cannot see the window: the browser's live region, or standard output
// with --describe. In the classic game nothing is said.
#pragma once

#include "puzzle/link_editing.h"
#include "puzzle/play_view.h"

// What a press is judged against: the board and the refusal before it.
struct PressNote {
  PlayView before;
  const Node* pressed = nullptr;
  Refusal refusal = Refusal::None;
};

// Taken just before a left press on the node (null for none) is made.
PressNote notePress(const Node* pressed);
// After the press: what it changed, or why it changed nothing.
void sayPress(const PressNote& note);
// The focused node, after the focus moved.
void sayFocus();
void sayDropped();
// The chain's result after an undo, a redo or a clear.
void sayResult();
// The whole level, on request.
void sayLevel();
// After each frame's update: a new screen, a level started or cleared, a
// hint or a notice, each said once as it appears.
void followPlayInWords();
