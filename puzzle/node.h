// Node: one point of the board with the deltas it adds to a passing shape.
#pragma once

struct Node {
  float x = 0.0f;  // world centre
  float y = 0.0f;
  float sizeDelta = 0.0f;
  int sidesDelta = 0;
  float hueDelta = 0.0f;  // degrees
  Node* next = nullptr;   // the one outgoing link
};
