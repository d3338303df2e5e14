#pragma once

#include <QObject>
#include <QTimer>

#include <string>

class QEvent;

// Writes the settings soon after they change, through the same save and
// backup as at close, so that a crash loses at most the last moments: when a
// window closes (once the code that closed it has stored what it changed)
// and, at the latest, one interval after any change. Nothing is written while
// the settings are as they were last written.
class TSettingsAutosave : public QObject {
public:
    static constexpr int kDefaultIntervalMs = 1000;

    explicit TSettingsAutosave(QObject *parent = nullptr, int intervalMs = kDefaultIntervalMs);
    ~TSettingsAutosave() override;

    // Saves now when the settings differ from those last written.
    void SaveIfChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static std::string Snapshot();

    QTimer timer_;
    std::string saved_;
    bool checkQueued_ = false;
};
