#include "platform/component.h"

#include <algorithm>

namespace platform {

namespace {
void Erase(std::vector<Component*>& list, Component* c) {
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
}
}  // namespace

Component::~Component() {
    // Copy first: a watcher's ComponentRemoved may drop further notifications.
    const std::vector<Component*> watchers = watchers_;
    for (Component* w : watchers) {
        Erase(w->watched_, this);
        w->ComponentRemoved(this);
    }
    for (Component* c : watched_) Erase(c->watchers_, this);
}

void Component::FreeNotification(Component* other) {
    if (!other || other == this) return;
    if (std::find(other->watchers_.begin(), other->watchers_.end(), this) == other->watchers_.end()) {
        other->watchers_.push_back(this);
        watched_.push_back(other);
    }
}

void Component::RemoveFreeNotification(Component* other) {
    if (!other) return;
    Erase(other->watchers_, this);
    Erase(watched_, other);
}

}  // namespace platform
