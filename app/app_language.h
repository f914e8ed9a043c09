// The player's language for the whole program: the desktop's locale and the game's and wx's catalogs.
#pragma once

// Call once the toolkit has started (GTK takes its own texts' language from the locale set here).
void UseDesktopLanguage();
