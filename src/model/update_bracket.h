#pragma once

// Runs fn inside one update bracket of object, closing the bracket also when
// fn fails, so that a change made before the failure is still told.
template <typename T, typename Fn> void WithinUpdate(T &object, Fn &&fn)
{
    object.BeginUpdate();
    try {
        fn();
    } catch (...) {
        object.EndUpdate();
        throw;
    }
    object.EndUpdate();
}
