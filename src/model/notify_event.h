#pragma once

#include <functional>

// Change notification of the model objects: called with the object that
// changed as sender. An empty handler means nobody listens.
using TNotifyEvent = std::function<void(void *sender)>;
