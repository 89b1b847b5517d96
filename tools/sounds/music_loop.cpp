// Music loop: eight bars of chords rendered into a buffer that wraps.
#include "tools/sounds/music_loop.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int beatFrames = 36750;  // 72 beats a minute
constexpr int barFrames = 4 * beatFrames;
constexpr int eighthFrames = beatFrames / 2;
constexpr double peak = 0.7;

struct Chord {
  int bass;                // MIDI note
  std::array<int, 4> pad;  // MIDI notes, also the arpeggio's, an octave up
};

// One chord a bar: Cmaj7 Am7 Fmaj7 G6 Em7 Am7 Dm7 G7sus4, back to Cmaj7.
constexpr std::array<Chord, 8> progression = {{
    {48, {60, 64, 67, 71}},
    {45, {57, 60, 64, 67}},
    {41, {53, 57, 60, 64}},
    {43, {55, 59, 62, 64}},
    {40, {52, 55, 59, 62}},
    {45, {57, 60, 64, 67}},
    {38, {53, 57, 60, 62}},
    {43, {53, 55, 60, 62}},
}};
constexpr int loopFrames = static_cast<int>(progression.size()) * barFrames;

// Arpeggio steps in eighths, as indices into the chord; -1 rests. Odd bars
// answer even ones.
constexpr std::array<std::array<int, 8>, 2> arpeggio = {{
    {0, 2, 3, 1, 2, -1, 3, -1},
    {3, -1, 2, 1, -1, 2, 0, -1},
}};

double frequency(int midiNote) {
  return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A stereo buffer whose end joins its start: frames written past the end
// land at the beginning.
struct LoopMix {
  std::vector<double> left = std::vector<double>(loopFrames);
  std::vector<double> right = std::vector<double>(loopFrames);

  void add(int frame, double value, double pan) {
    const int at = frame % loopFrames;
    left[at] += value * (1.0 - pan);
    right[at] += value * (1.0 + pan);
  }
};

struct Partial {
  double ratio;  // of the note's frequency
  double gain;
  double decay;  // seconds; 0 for none
};

// A raised-cosine step from 0 to 1 over the given seconds.
double ease(double t, double seconds) {
  if (t >= seconds) return 1.0;
  return 0.5 - 0.5 * std::cos(pi * t / seconds);
}

// One note of frames length starting at start. The envelope rises over
// attack and falls to 0 over release at the end, so no note ends in a step.
template <std::size_t N>
void addNote(LoopMix& mix, int start, int frames, double hz,
             const std::array<Partial, N>& partials, double attack,
             double release, double gain, double pan) {
  for (int i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / musicRate;
    const double left = static_cast<double>(frames - i) / musicRate;
    const double envelope = ease(t, attack) * ease(left, release);
    double value = 0.0;
    for (const Partial& p : partials) {
      const double fade = p.decay > 0.0 ? std::exp(-t / p.decay) : 1.0;
      value += p.gain * fade * std::sin(2.0 * pi * hz * p.ratio * t);
    }
    mix.add(start + i, gain * envelope * value, pan);
  }
}

constexpr std::array<Partial, 2> padTone = {
    {{1.0, 1.0, 0.0}, {2.0, 0.12, 0.0}}};
constexpr std::array<Partial, 3> bellTone = {
    {{1.0, 1.0, 0.9}, {2.0, 0.3, 0.35}, {3.0, 0.1, 0.15}}};
constexpr std::array<Partial, 2> bassTone = {
    {{1.0, 1.0, 1.4}, {2.0, 0.2, 0.5}}};

// Each pad note is two slightly detuned voices, one leaning to each side,
// held through its bar and fading across the next chord's rise.
void addPad(LoopMix& mix, int bar, const Chord& chord) {
  constexpr double detune = 1.0009;  // about 1.5 cents
  const int frames = barFrames + musicRate;
  for (int note : chord.pad) {
    const double hz = frequency(note);
    addNote(mix, bar * barFrames, frames, hz / detune, padTone, 1.0, 1.0, 0.045,
            -0.5);
    addNote(mix, bar * barFrames, frames, hz * detune, padTone, 1.0, 1.0, 0.045,
            0.5);
  }
}

void addBass(LoopMix& mix, int bar, const Chord& chord) {
  const double hz = frequency(chord.bass);
  addNote(mix, bar * barFrames, 2 * beatFrames, hz, bassTone, 0.02, 0.3, 0.22,
          0.0);
  addNote(mix, bar * barFrames + 2 * beatFrames, 2 * beatFrames, hz, bassTone,
          0.02, 0.3, 0.14, 0.0);
}

void addArpeggio(LoopMix& mix, int bar, const Chord& chord) {
  const std::array<int, 8>& steps = arpeggio[bar % 2];
  for (int step = 0; step < 8; ++step) {
    if (steps[step] < 0) continue;
    const double hz = frequency(chord.pad[steps[step]] + 12);
    const double pan = step % 2 == 0 ? -0.3 : 0.3;
    addNote(mix, bar * barFrames + step * eighthFrames, 2 * musicRate, hz,
            bellTone, 0.004, 0.3, 0.11, pan);
  }
}

// A ping-pong echo a dotted eighth behind. It runs round the loop twice so
// the echoes of the last bar also sound over the first.
void addEcho(LoopMix& mix) {
  constexpr int delay = 3 * beatFrames / 4;
  constexpr double feedback = 0.35;
  const std::vector<double> dryLeft = mix.left;
  const std::vector<double> dryRight = mix.right;
  for (int lap = 0; lap < 2; ++lap) {
    for (int i = 0; i < loopFrames; ++i) {
      const int from = (i - delay + loopFrames) % loopFrames;
      mix.left[i] = dryLeft[i] + feedback * mix.right[from];
      mix.right[i] = dryRight[i] + feedback * mix.left[from];
    }
  }
}

}  // namespace

std::vector<float> musicLoop() {
  LoopMix bells;
  LoopMix rest;
  for (int bar = 0; bar < static_cast<int>(progression.size()); ++bar) {
    addPad(rest, bar, progression[bar]);
    addBass(rest, bar, progression[bar]);
    addArpeggio(bells, bar, progression[bar]);
  }
  addEcho(bells);

  double loudest = 0.0;
  for (int i = 0; i < loopFrames; ++i) {
    loudest = std::max({loudest, std::abs(bells.left[i] + rest.left[i]),
                        std::abs(bells.right[i] + rest.right[i])});
  }
  const double scale = peak / loudest;
  std::vector<float> samples(static_cast<std::size_t>(loopFrames) * 2);
  for (int i = 0; i < loopFrames; ++i) {
    samples[2 * i] = static_cast<float>((bells.left[i] + rest.left[i]) * scale);
    samples[2 * i + 1] =
        static_cast<float>((bells.right[i] + rest.right[i]) * scale);
  }
  return samples;
}
