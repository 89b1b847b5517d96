// Play in words.
#include "puzzle/play_words.h"

#include "puzzle/chain_trace.h"
#include "puzzle/shape_numbers.h"

namespace {

// The traced step of the node, null when it is not on the live chain.
const TracedNode* stepOf(const std::vector<TracedNode>& trace,
                         const Node* node) {
  for (const TracedNode& step : trace)
    if (step.node == node) return &step;
  return nullptr;
}

// "; size stopped at its limit", "; size and hue stopped at their limits",
// or nothing when no limit was hit.
std::string clampWords(unsigned clamps) {
  std::vector<std::string> names;
  for (const QuantityFacts& facts : kQuantities)
    if (wasClamped(clamps, facts)) names.push_back(facts.name);
  if (names.empty()) return "";
  std::string words = "; ";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) words += i + 1 == names.size() ? " and " : ", ";
    words += names[i];
  }
  return words + (names.size() == 1 ? " stopped at its limit"
                                    : " stopped at their limits");
}

// "leaves size 2, 4 corners, hue 0; size stopped at its limit".
std::string leavingWords(const TracedNode& step) {
  return "leaves " + shapeWords(step.leaving) + clampWords(step.clamps);
}

std::string refusalWords(const Board& board, const Node* pressed,
                         Refusal refusal) {
  const std::string selected = nodeName(board, board.selectedNode);
  switch (refusal) {
    case Refusal::FromSink: return "The sink links to nothing";
    case Refusal::IntoSource: return "Refused: nothing links into the source";
    case Refusal::OutOfReach:
      return "Refused: " + nodeName(board, pressed) + " is out of reach of " +
             selected;
    case Refusal::LinkBack:
      return "Refused: " + nodeName(board, pressed) + " already links to " +
             selected;
    case Refusal::None:
    case Refusal::NoNode:
    case Refusal::Paused: break;
  }
  return "";
}

}  // namespace

std::string nodeName(const Board& board, const Node* node) {
  if (node == nullptr) return "nothing";
  if (node == board.sourceNode) return "the source";
  if (node == board.sinkNode) return "the sink";
  const int at = board.indexOf(node);
  return "row " + std::to_string(at / gridColumns + 1) + ", column " +
         std::to_string(at % gridColumns + 1);
}

std::string shapeWords(const Shape& shape) {
  std::string words;
  for (const QuantityFacts& facts : kQuantities) {
    if (!words.empty()) words += ", ";
    words += longNumber(shape, facts);
  }
  return words;
}

std::string focusWords(const Board& board, const Node* focused) {
  std::string words = nodeName(board, focused);
  if (focused == nullptr) return words;
  if (focused == board.selectedNode) words += ", selected";
  if (focused->next != nullptr)
    words += ", links to " + nodeName(board, focused->next);
  const std::vector<TracedNode> trace = traceChain(board);
  const TracedNode* step = stepOf(trace, focused);
  // The source's shape is the start, which the level's words say.
  if (step != nullptr && focused != board.sourceNode)
    words += "; " + leavingWords(*step);
  return words;
}

std::string resultWords(const Board& board) {
  const std::vector<TracedNode> trace = traceChain(board);
  if (trace.empty() || trace.back().node != board.sinkNode)
    return "The chain does not reach the sink yet";
  const Shape& result = trace.back().leaving;
  if (result.equals(board.targetShape)) return "Result matches the target";
  return "Result " + shapeWords(result) + "; target " +
         shapeWords(board.targetShape);
}

std::vector<std::string> pressWords(const Board& board, const PlayView& before,
                                    const Node* pressed, Refusal refusal) {
  // Every link is made or removed from the node selected before the press.
  const int from = board.indexOf(before.selected);
  if (from >= 0 && before.links[from] != before.selected->next) {
    const Node* selected = before.selected;
    if (selected->next == nullptr)
      return {"Removed the link from " + nodeName(board, selected),
              resultWords(board)};
    const Node* linked = selected->next;
    std::vector<std::string> words = {"Linked " + nodeName(board, selected) +
                                      " to " + nodeName(board, linked)};
    // A node the link brings onto the chain gets its label: said too, so
    // its effect is heard as it is seen. The sink's is the result.
    const std::vector<TracedNode> trace = traceChain(board);
    const TracedNode* step = stepOf(trace, linked);
    if (step != nullptr && linked != board.sinkNode)
      words.push_back(nodeName(board, linked) + " " + leavingWords(*step));
    words.push_back(resultWords(board));
    return words;
  }
  if (board.selectedNode != nullptr && board.selectedNode != before.selected)
    return {nodeName(board, board.selectedNode) + " selected"};
  if (board.selectedNode == nullptr && before.selected != nullptr)
    return {selectionDroppedText};
  const std::string why = refusalWords(board, pressed, refusal);
  if (why.empty()) return {};
  return {why};
}

std::string hintWords(const Hint& hint, const Board& board) {
  switch (hint.kind) {
    case Hint::Kind::NextLink:
      return "Hint: link " + nodeName(board, hint.from) + " to " +
             nodeName(board, hint.to);
    case Hint::Kind::WrongLink:
      return "Hint: remove the link from " + nodeName(board, hint.from) +
             " to " + nodeName(board, hint.to);
    case Hint::Kind::None: break;
  }
  return "";
}

std::vector<std::string> levelStartWords(const GuidedPlay& play,
                                         const Board& board) {
  return {play.placeText(board), "Start " + shapeWords(board.startShape) +
                                     "; target " +
                                     shapeWords(board.targetShape)};
}

std::vector<std::string> levelWords(const GuidedPlay& play,
                                    const Board& board) {
  std::vector<std::string> words = levelStartWords(play, board);
  words.push_back("Limits: " + limitsText());
  const std::vector<TracedNode> trace = traceChain(board);
  words.push_back(trace.size() > 1 ? "Chain from the source:"
                                   : "The source links to nothing");
  for (const TracedNode& step : trace)
    if (step.node != board.sourceNode)
      words.push_back(nodeName(board, step.node) + " " + leavingWords(step));
  words.push_back(resultWords(board));
  return words;
}
