// The game's window: its title and the size it opens at.
#pragma once

constexpr const char* windowTitle = "Linkloom, Quillfen";
constexpr int windowWidth = 800;
constexpr int windowHeight = 600;
