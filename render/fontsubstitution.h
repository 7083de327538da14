#pragma once

// Faces the pattern and the window ask for that may not be installed map to
// fonts we ship with the build instructions, so patterns look the same on
// every machine. Call once after the application object exists.
void InstallFontSubstitutions();
