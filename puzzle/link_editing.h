// Link editing: selecting nodes and making or removing links with the mouse.
#pragma once

#include <cstdint>

enum class LinkMode : std::int32_t {
  Idle = 0,     // no node selected
  Linking = 1,  // the board's selectedNode starts the next link
};

// Process-wide, beside the board; only Board::pressAt changes it.
LinkMode& linkMode();

// What the hover mark judges: the link's reach alone (a node linking back
// to the selected one shows as valid, the selected node as not), or
// whether a press there would change anything at all.
enum class HoverRule { ReachOnly, PressEffect };
// Process-wide; guided play chooses PressEffect.
HoverRule& hoverRule();

struct Board;
struct Node;
// Why a left press on a node would change nothing, under the link editing
// rules; None when it would select, link or remove a link.
enum class Refusal {
  None,
  NoNode,      // the press is on no node
  Paused,      // the level pause takes no presses
  FromSink,    // the sink never links onwards, so it is never selected
  IntoSource,  // nothing links into the source
  OutOfReach,  // links stay short
  LinkBack,    // two nodes never link to each other
};
Refusal pressRefusal(const Board& board, const Node* node);
// Whether a left press on node would change the board or the selection,
// under the link editing rules and outside the level pause.
bool pressWouldChange(const Board& board, const Node* node);
// Drops the selection without linking (a key's way out of a link begun).
void dropSelection(Board& board);
// hoverValid for the hovered node, again, under the hover rule: after a
// press or a key has changed the links or the selection under a still
// pointer.
void judgeHover(Board& board);

// A node is under a position within 4 world units of its centre.
constexpr double pickRadiusSquared = 16.0;
