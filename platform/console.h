#pragma once
// What the command-line tool needs to know about its console.

namespace vardek::platform {

enum class StandardStream { Output, Error };

// True when the stream is a terminal (a console window on Windows), false
// when it is redirected to a file or a pipe.
bool IsTerminal(StandardStream stream);

// Prepares the console for catalog text: on Windows the console shows the
// ANSI code page that catalogs are written in; elsewhere nothing to do.
void PrepareConsole();

// Standard output takes the bytes as written: on Windows a "\n" stays one
// byte instead of becoming CR LF, for formats that set their own line ends.
void KeepOutputLineEnds();

}  // namespace vardek::platform
