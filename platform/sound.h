#pragma once

// The one sound of the game.
namespace Sound {

// Sounds the system's default beep once; in a web page, where Qt has none, the page plays a short
// tone.
void beep();

} // namespace Sound
