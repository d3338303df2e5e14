#pragma once

// Helpers for driving the generator's modal windows from a test: a window
// opened with exec() is found among the top-level widgets once it shows,
// and the test's steps run on it from the event loop.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <functional>

// The visible top-level window of type T, or null.
template <class T> T *VisibleWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<T *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

// Runs `step` on the first visible window of type T for which `ready`
// holds, polling every 5 ms for at most timeoutMs; gives up silently (the
// test's own checks then fail) when none comes. The step may run inside a
// nested event loop of the window (a run serving events), so it must not
// wait for that loop to end.
template <class T>
void WhenReady(std::function<bool(T *)> ready, std::function<void(T *)> step, int timeoutMs = 20000)
{
    auto *clock = new QElapsedTimer;
    clock->start();
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, ready, step, timeoutMs] {
        T *window = VisibleWindow<T>();
        if (window && !ready(window))
            window = nullptr;
        if (!window && clock->elapsed() < timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (window)
            step(window);
    });
    timer->start();
}

template <class T> T *Child(QObject *root, const char *name)
{
    return root->findChild<T *>(QString::fromLatin1(name));
}

inline QString LabelText(QObject *root, const char *name)
{
    auto *label = Child<QLabel>(root, name);
    return label ? label->text() : QStringLiteral("<none>");
}

template <class T> void WhenShown(std::function<void(T *)> step, int timeoutMs = 20000)
{
    WhenReady<T>([](T *) { return true; }, std::move(step), timeoutMs);
}
