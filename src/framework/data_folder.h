#pragma once

#include <functional>
#include <string>

// The one decision of where the program keeps the files it writes.
// A program folder the user may write to keeps everything beside the
// program, as always. A read-only one (a system-wide install under /opt)
// moves the application resource file, its backup, the draw archive and the
// "Boletos" and "Listados" folders to the user's own data folder, which is
// seeded on first start with copies of what the program ships: the draw
// archive when the user has none, and the templates of each template folder
// the user does not have yet. Nothing the user already has is overwritten.
//
// userDataFolder comes from the desktop (QStandardPaths::AppDataLocation);
// an empty one keeps the program's folder. Returns the data folder in force.
// Raises std::runtime_error when the user's folder cannot be created.
std::string ChooseDataFolder(const std::string &userDataFolder);

// Whether the user may create files in the folder (the system's access
// check, which a superuser always passes).
bool FolderIsWritable(const std::string &folder);
// Tests replace the writable check (root writes everywhere); an empty
// function restores the system's.
void SetFolderWritableCheckForTests(std::function<bool(const std::string &)> check);
