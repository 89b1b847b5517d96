// Play in words: short sentences saying what the playing screen shows, for
// a player who cannot see it (the browser's live region, --describe). They
// are built from the same facts the screen's labels are: the traced chain,
// the quantities' table and guided play's own texts.
#pragma once

#include <string>
#include <vector>

#include "puzzle/board.h"
#include "puzzle/guided_play.h"
#include "puzzle/hint.h"
#include "puzzle/link_editing.h"
#include "puzzle/play_view.h"

// Said when a selection is let go without a link.
constexpr const char* selectionDroppedText = "Selection dropped";

// "row 2, column 3" counted from the top left, "the source", "the sink".
std::string nodeName(const Board& board, const Node* node);
// "size 3, 5 corners, hue 200".
std::string shapeWords(const Shape& shape);
// Where the focus is, whether that node is selected, where its link goes
// and, on the live chain, the shape leaving it and the limits it hit:
// "row 2, column 1, selected, links to row 2, column 2; leaves size 2,
// 4 corners, hue 0; size stopped at its limit".
std::string focusWords(const Board& board, const Node* focused);
// The chain's result against the target: "Result size 3, 5 corners, hue
// 200; target size 4, 5 corners, hue 200", "Result matches the target", or
// "The chain does not reach the sink yet".
std::string resultWords(const Board& board);
// What a left press on the node did, from the view before it and the
// refusal it met then: "Linked row 1, column 1 to row 1, column 2", the
// shape leaving the node linked when the chain now passes it, and the
// result; "row 1, column 1 selected"; or why nothing changed.
std::vector<std::string> pressWords(const Board& board, const PlayView& before,
                                    const Node* pressed, Refusal refusal);
// "Hint: link row 2, column 3 to row 2, column 4", or to remove a link;
// empty for no hint.
std::string hintWords(const Hint& hint, const Board& board);
// The level as a level starts: "Seed 42 - medium - level 1 of 6", then
// "Start size 3, 5 corners, hue 200; target size 5, 4 corners, hue 120".
std::vector<std::string> levelStartWords(const GuidedPlay& play,
                                         const Board& board);
// The whole level, read on request: the level start's sentences, the
// limits, every node of the chain so far with the shape leaving it, and
// the result.
std::vector<std::string> levelWords(const GuidedPlay& play, const Board& board);
