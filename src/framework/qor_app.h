#pragma once

#include "framework/components.h"
#include "framework/recursos.h"
#include "framework/tree.h"

#include <memory>
#include <string>

class TParametres;

inline constexpr const char *kAppName = "QOR-EuroMillon v3";

// The running application: its name, its program file and the stores the
// framework keeps for it. The resource store is saved in the application
// resource file beside the program (the program file with its extension
// replaced by ".zrk"; in the separate data folder when one is set), whose
// previous version is kept as the backup copy (extension replaced by
// "_Seg.zrk").
class TQORApp {
public:
    // params: the parameter store the resource file fills and saves.
    explicit TQORApp(TParametres &params);
    TQORApp(const TQORApp &) = delete;
    TQORApp &operator=(const TQORApp &) = delete;

    std::string AppName = kAppName;
    std::string AppFile; // full path of the program file

    std::string ResourceFilePath() const;
    std::string BackupFilePath() const;

    TRecursosQOR &Recursos() { return *recursos_; }
    TComponentsQOR &Components() { return *components_; }
    TTreeQOR &Tree() { return *tree_; }

    // Loads the application resource file, or its backup when that fails;
    // nothing when the resource file is missing. Never raises: a failure of
    // the backup too is shown through ShowUserError.
    void LoadAppResources();
    // Makes the current resource file the backup, then writes a new one with
    // the current parameters. When this run's settings came from the backup
    // (the resource file was damaged), the backup is kept and only the
    // resource file is written. The settings may be saved many times in a run
    // (soon after each change): only the first save of a run makes the
    // backup, which so keeps the settings the run started from. Never raises:
    // a failure is shown through ShowUserError and the previous file is kept.
    void SaveAppResources();

private:
    void RotateToBackup(bool &movedAway);
    std::string PathWithSuffix(const char *suffix) const;

    bool loadedFromBackup_ = false;
    bool backupMadeThisRun_ = false;

    std::unique_ptr<TRecursosQOR> recursos_;
    std::unique_ptr<TComponentsQOR> components_;
    std::unique_ptr<TTreeQOR> tree_;
};

// The program's one application object over the global parameter store,
// created on first use with AppFile set to ProgramFilePath().
TQORApp &QORApp();
