#pragma once

class QWidget;

// A termination request (SIGTERM, SIGINT: the session ending, a service
// manager stopping the program) closes the window as the user would, so the
// settings are saved and unsaved combinations are asked about. Installed
// once, for the program's main window.
void CloseOnTerminationRequest(QWidget &window);
