// The SDL_mixer calls the browser's built-in SDL lacks: channel groups and
// music of a named type, made of the calls it has.
#include <SDL_mixer.h>

#include <vector>

namespace {

struct ChannelGroups {
  std::vector<int> tags;  // by channel; -1 for none
  int lastTaken = -1;     // the channel Mix_GroupOldest gave last
};

ChannelGroups& channelGroups() {
  static ChannelGroups instance;
  return instance;
}

}  // namespace

extern "C" {

int Mix_GroupChannels(int from, int to, int tag) {
  if (from < 0 || to < from) return 0;
  std::vector<int>& tags = channelGroups().tags;
  if (tags.size() <= static_cast<std::size_t>(to)) tags.resize(to + 1, -1);
  for (int channel = from; channel <= to; ++channel) tags[channel] = tag;
  return to - from + 1;
}

int Mix_GroupAvailable(int tag) {
  const std::vector<int>& tags = channelGroups().tags;
  for (int channel = 0; channel < static_cast<int>(tags.size()); ++channel)
    if (tags[channel] == tag && Mix_Playing(channel) == 0) return channel;
  return -1;
}

// The browser's mixer keeps no start times, so the group's channels are
// taken in turn: while they stay busy, that is the one that started first.
int Mix_GroupOldest(int tag) {
  ChannelGroups& groups = channelGroups();
  const int count = static_cast<int>(groups.tags.size());
  for (int step = 1; step <= count; ++step) {
    const int channel = (groups.lastTaken + step) % count;
    if (groups.tags[channel] == tag) return groups.lastTaken = channel;
  }
  return -1;
}

// The browser tells the type from the bytes.
Mix_Music* Mix_LoadMUSType_RW(SDL_RWops* source, Mix_MusicType, int) {
  return Mix_LoadMUS_RW(source);
}

}  // extern "C"
