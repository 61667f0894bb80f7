#pragma once

#include <string>
#include <vector>

namespace platform {

// Base of every component (windows, controls, timers, skin data). Ownership is expressed
// by the owner holding a std::unique_ptr; this class only keeps the owner pointer for
// lookups and the free-notification list, so that a component holding a plain pointer to
// another learns when that one is destroyed and can clear its reference.
class Component {
public:
    explicit Component(Component* owner = nullptr) : owner_(owner) {}
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    std::string Name;

    [[nodiscard]] Component* Owner() const { return owner_; }

    // Asks to have ComponentRemoved(other) called on this component when other is
    // destroyed. Both sides forget each other when either dies.
    void FreeNotification(Component* other);
    void RemoveFreeNotification(Component* other);

protected:
    // Called when a component this one asked about is destroyed: clear references to it.
    virtual void ComponentRemoved(Component* /*removed*/) {}

private:
    Component* owner_;
    std::vector<Component*> watchers_;  // told when this one dies
    std::vector<Component*> watched_;   // this one asked about them
};

// Window messages between components, delivered as synchronous virtual calls through the
// Application's window list. The numbers are those the component model uses.
enum class Message : int {
    SkinChanging = 1225,
    SkinChanged = 1226,
    SkinChangeDone = 1227,
    MenuClosed = 1228,
    MenuCommandDone = 1229,
    SkinStringsChanged = 1274,
    BackgroundChanged = 1284,
    FormSkinnableChanged = 1294,
    FocusChanged = 45063,  // the focus moved inside a window; sender is the newly focused control
};

struct Notification {
    Message message;
    Component* sender = nullptr;
    int param = 1000;
};

}  // namespace platform
