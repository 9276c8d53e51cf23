#pragma once
// What the program asks of the operating system beside files: that a
// connection closed under a write fails the write instead of ending the
// program, and numbers written by the C library in the C locale on one
// thread while the desktop's stays everywhere else.

namespace dravino {

// A write to a connection the other end has closed fails (EPIPE) instead
// of ending the program (POSIX's SIGPIPE); nothing to do elsewhere.
void keepRunningOnClosedConnections();

// While it lives, this thread's C library reads and writes numbers in the
// C locale ("0.0098", never "0,0098"); the other threads keep theirs.
class CNumbersOnThisThread
{
public:
    CNumbersOnThisThread();
    ~CNumbersOnThisThread();
    CNumbersOnThisThread(const CNumbersOnThisThread &) = delete;
    CNumbersOnThisThread &operator=(const CNumbersOnThisThread &) = delete;

private:
    void *m_c = nullptr;
    void *m_old = nullptr;
    int m_windowsMode = 0;
};

} // namespace dravino
