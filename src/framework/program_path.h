#pragma once

#include <string>

// Where the program lives. The files it reads only (language files, manuals)
// lie beside the program file; the files it writes (the application resource
// file, its backup and the "Sorteos", "Boletos" and "Listados" folders) lie in
// the data folder, which is the program's folder unless the program runs from
// a folder the user cannot write to (see data_folder.h).

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

// The folder of the files the program writes: the program's folder, or the
// one set with SetDataFolder.
std::string DataFolder();
// DataFolder() joined with a file or folder name ("Sorteos").
std::string DataFolderPath(const std::string &name);
// The empty text: the data folder is the program's folder again.
void SetDataFolder(const std::string &folder);
// The folder set with SetDataFolder, empty when it is the program's folder.
std::string SeparateDataFolder();
