// Guided play said in words as it happens.
#include "app/spoken_play.h"

#include <string>
#include <vector>

#include "app/guided_keys.h"
#include "app/words_out.h"
#include "puzzle/board.h"
#include "puzzle/game_state.h"
#include "puzzle/guided_play.h"
#include "puzzle/level_set.h"
#include "puzzle/play_words.h"

namespace {

void say(const std::vector<std::string>& sentences) {
  if (!guidedPlay().on) return;
  for (const std::string& sentence : sentences)
    if (!sentence.empty()) sayLine(sentence);
}

// What was said last of what the frame's watch follows, so each is said
// once as it appears.
struct SaidState {
  ScreenState screen = ScreenState::Title;
  bool first = true;
  int levelStarts = -1;
  int levelsSolved = 0;
  std::string notice;
  Hint hint;
};

SaidState& said() {
  static SaidState state;
  return state;
}

// The screens other than the playing one, in words, with how to go on.
std::vector<std::string> screenWords(ScreenState screen) {
  const GuidedPlay& play = guidedPlay();
  switch (screen) {
    case ScreenState::Title:
      return {"Linkloom: " + play.puzzleName, "Press Enter to go on"};
    case ScreenState::Instructions:
      return {
          "Link the source to the sink through the grid of 4 rows and 4 "
          "columns; each node changes the shape's size, corners and hue. "
          "The shape reaching the sink must match the target",
          guidedKeySentence(), "Press Enter to play"};
    case ScreenState::GameOver:
      return {play.summaryText(), play.helpText(), "Press Enter to play again"};
    case ScreenState::Playing: break;
  }
  return {};
}

// "Focus on the source", or wherever it is.
std::string focusPlaceWords() {
  return "Focus on " + focusWords(board(), board().node(guidedPlay().focus));
}

}  // namespace

PressNote notePress(const Node* pressed) {
  return {viewOf(board(), gameState()), pressed,
          pressRefusal(board(), pressed)};
}

void sayPress(const PressNote& note) {
  say(pressWords(board(), note.before, note.pressed, note.refusal));
}

void sayFocus() {
  say({focusWords(board(), board().node(guidedPlay().focus))});
}

void sayDropped() { say({selectionDroppedText}); }

void sayResult() { say({resultWords(board())}); }

void sayLevel() {
  std::vector<std::string> words = levelWords(guidedPlay(), board());
  words.push_back(focusPlaceWords());
  say(words);
}

void followPlayInWords() {
  const GuidedPlay& play = guidedPlay();
  if (!play.on) return;
  SaidState& last = said();
  const ScreenState screen = gameState().screenState;
  if (screen != last.screen || last.first) {
    last.first = false;
    last.screen = screen;
    say(screenWords(screen));
  }
  // The count goes back to none when the game starts again.
  if (play.levelsSolved > last.levelsSolved) say({play.clearedText(board())});
  last.levelsSolved = play.levelsSolved;
  if (screen != ScreenState::Playing) return;
  if (play.levelStarts != last.levelStarts &&
      board().levelIndex < levelSetSize()) {
    last.levelStarts = play.levelStarts;
    std::vector<std::string> words = levelStartWords(play, board());
    words.push_back(focusPlaceWords());
    say(words);
  }
  if (play.notice != last.notice) {
    last.notice = play.notice;
    say({play.notice});
  }
  if (play.hint.kind != last.hint.kind || play.hint.from != last.hint.from ||
      play.hint.to != last.hint.to) {
    last.hint = play.hint;
    say({hintWords(play.hint, board())});
  }
}
