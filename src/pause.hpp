#pragma once

// Waits for a key press before the program exits, so that a console window opened
// just for the program stays readable. Standard output must already be flushed.
void pause_console();
