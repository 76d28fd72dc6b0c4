#pragma once
// Menu commands are routed through the view, the frame, the document and the application, in
// that order; the first object with a handler for the command runs it. A command nobody handles
// shows disabled.

namespace ferrolab {

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    virtual bool HasHandler(int command) const = 0;
    // Runs the handler; false when this object has none.
    virtual bool OnCommand(int command) = 0;
};

} // namespace ferrolab
