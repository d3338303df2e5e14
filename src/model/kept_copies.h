#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A file whose folder takes no new file is saved in place. Before its bytes
// are touched, a complete copy of them is made durable in the folder of kept
// copies of the user's data folder, with a small manifest beside it naming
// the file it belongs to. The copy goes away once the save has succeeded or
// the old bytes were put back; a copy left by a process that was killed is
// found at the next start of either program and stays until the user decides.
//
// Layout of the folder: "<stem>-XXXXXX<ext>" is the copy,
// "<stem>-XXXXXX<ext>.manifest" its manifest ("target=" and the path, then
// "size=" and the size once the copy is complete). A save under way holds a
// lock on its manifest, so another program never takes it for a leftover.

// The user's data folder: $XDG_DATA_HOME/QOR-EuroMillon, else
// ~/.local/share/QOR-EuroMillon (where the desktop keeps its own files when
// the program's folder is read-only). SetUserDataFolder replaces it (the
// desktop passes its own; tests a folder of theirs); empty restores it.
std::string UserDataFolder();
void SetUserDataFolder(const std::string &folder);

// The folder of kept copies, "Copias" in the user's data folder.
std::string KeptCopiesFolder();

struct TKeptCopy {
    std::string CopyPath;     // the old bytes
    std::string ManifestPath; // beside it
    std::string TargetPath;   // the file they belong to
    uintmax_t Size = 0;
};

// Copies left by saves that did not finish, oldest first. Copies of saves
// still under way (in this or another program) are not listed. Leftovers of a
// save killed before it touched its file (a copy not yet complete, content
// being prepared) are removed, since the file still holds its old bytes.
std::vector<TKeptCopy> FindKeptCopies();
// Writes the copy back over its file through the safe save, then removes it.
void RestoreKeptCopy(const TKeptCopy &copy);
// Removes the copy and its manifest.
void DiscardKeptCopy(const TKeptCopy &copy);

// Internals of the in-place save, used by TSafeFileStream.
namespace kept_copies {

// A file in the kept-copies folder that receives the new content of an
// in-place save before the target is touched; locked while it lives.
// Returns the open descriptor and its path; -1 when the folder is not
// available.
int CreatePreparedFile(const std::string &target, std::string &path);

// Makes a durable copy of target's current bytes with its manifest. Returns
// the open (locked) manifest descriptor, or -1 with nothing left behind.
int KeepCopyOf(const std::string &target, TKeptCopy &kept);
// Removes a copy whose save finished; closes the manifest descriptor.
void Release(const TKeptCopy &kept, int manifestFd);

// Copies every byte of from into the start of to, by position; false on a
// short move. An overwrite reports its progress to the test hook.
bool CopyInto(int from, int to, uintmax_t &copied, bool overwriting);

// Tests: called during an in-place overwrite with the bytes written so far
// (and once more, with the new size, after the file was cut to it).
void SetOverwriteHookForTests(std::function<void(uintmax_t written)> hook);
void OverwriteHook(uintmax_t written);

} // namespace kept_copies
