#pragma once

#include <string>

// Where the program lives: the application resource file, its backup and the
// "Sorteos", "Boletos" and "Listados" folders all lie beside the program file.

// Full path of the running program file (from /proc/self/exe), or the path
// set with SetProgramFilePath.
std::string ProgramFilePath();
// The folder holding the program file, without a trailing separator.
std::string ProgramFolder();
// ProgramFolder() joined with a file or folder name ("Sorteos").
std::string ProgramFolderPath(const std::string &name);

// Makes the program act as if it ran from path (tests run in a temporary
// folder); the empty text goes back to the real program file.
void SetProgramFilePath(const std::string &path);
