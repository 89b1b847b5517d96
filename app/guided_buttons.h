// Guided play's buttons beside the board in the browser page: one for each
// action its keys give, for players without a keyboard.
#pragma once

// Once the puzzle has started, before the board is fitted to the page: in
// guided play, shows a button for each action of guidedKeys
// (app/guided_keys.h), labelled with the action and its keys, which does
// what the action's first key does. In the classic game, nothing.
void showGuidedButtons();
