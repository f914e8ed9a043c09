// Starts the toolkit and plays the game until the player quits; returns the exit status.
#pragma once

int RunGame(int argc, char** argv);
