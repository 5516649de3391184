// How the engine reaches the operator window, which runs on a thread of its own.
#pragma once

class OperatorWindowLink {
  public:
    virtual ~OperatorWindowLink() = default;
    virtual bool is_open() = 0;
    // Posts the refresh message; never waits for the window's thread.
    virtual void post_refresh() = 0;
    // StartOperatorWindow: starts the window's thread and returns at once.
    virtual void start() = 0;
    // CloseOperatorWindows: closes the tool windows and the operator window and waits for the
    // window's thread to end.
    virtual void close_all() = 0;
};
