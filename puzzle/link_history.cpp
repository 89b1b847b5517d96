// Undo and redo of link edits.
#include "puzzle/link_history.h"

#include "puzzle/link_editing.h"

namespace {

void endLinking(Board& board) {
  board.selectedNode = nullptr;
  linkMode() = LinkMode::Idle;
}

}  // namespace

void setLinks(Board& board, const LinkHistory::Links& links) {
  for (int i = 0; i < boardNodeCount; ++i)
    board.node(i)->next = links[i] < 0 ? nullptr : board.node(links[i]);
  endLinking(board);
}

LinkHistory::Links LinkHistory::linksOf(const Board& board) {
  Links links{};
  for (int i = 0; i < boardNodeCount; ++i)
    links[i] = static_cast<std::int8_t>(board.indexOf(board.node(i)->next));
  return links;
}

void LinkHistory::reset(const Board& board) {
  states.assign(1, linksOf(board));
  at = 0;
}

bool LinkHistory::record(const Board& board) {
  const Links now = linksOf(board);
  if (!states.empty() && now == states[at]) return false;
  if (!states.empty()) states.resize(at + 1);
  states.push_back(now);
  at = states.size() - 1;
  return true;
}

bool LinkHistory::undo(Board& board) {
  if (at == 0 || states.empty()) return false;
  setLinks(board, states[--at]);
  return true;
}

bool LinkHistory::redo(Board& board) {
  if (at + 1 >= states.size()) return false;
  setLinks(board, states[++at]);
  return true;
}

void clearLinks(Board& board) {
  for (const auto& node : board.nodes) node->next = nullptr;
  endLinking(board);
}
