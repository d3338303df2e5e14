#pragma once

// Painting text needs a Qt GUI application. Inside the desktop program one
// exists already; a tool without a window (the command-line companion, a
// benchmark) gets one on the offscreen platform, made on first use and kept
// for the rest of the process.
void EnsureGuiApplication();
