#include "shell/ui/settings_autosave.h"

#include "shell/ui/shell_settings.h"

#include "framework/parametres.h"
#include "model/memory_stream.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

TSettingsAutosave::TSettingsAutosave(QObject *parent, int intervalMs) : QObject(parent), saved_(Snapshot())
{
    connect(&timer_, &QTimer::timeout, this, &TSettingsAutosave::SaveIfChanged);
    timer_.start(intervalMs);
    qApp->installEventFilter(this);
}

TSettingsAutosave::~TSettingsAutosave()
{
    qApp->removeEventFilter(this);
}

// The parameter stream as it would be written: the settings that persist.
std::string TSettingsAutosave::Snapshot()
{
    TMemoryStream stream;
    Parametres().SaveToStream(&stream);
    return std::string(stream.Data().begin(), stream.Data().end());
}

void TSettingsAutosave::SaveIfChanged()
{
    checkQueued_ = false;
    std::string now = Snapshot();
    if (now == saved_)
        return;
    // A failure is shown by the save itself; the next change tries again
    // rather than every tick showing the same box.
    saved_ = std::move(now);
    SaveApplicationResources(nullptr);
}

// Dialogs store their settings after they were hidden: the check waits for
// the event loop, when that code has run.
bool TSettingsAutosave::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::Close || event->type() == QEvent::Hide) && !checkQueued_) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow()) {
            checkQueued_ = true;
            QTimer::singleShot(0, this, &TSettingsAutosave::SaveIfChanged);
        }
    }
    return QObject::eventFilter(watched, event);
}
