#include "base/System.h"

#include <clocale>
#include <csignal>
#if !defined(_WIN32)
#include <locale.h>
#endif

namespace dravino {

#if defined(_WIN32)

void keepRunningOnClosedConnections() {}

// Windows keeps a locale per thread once the thread asks for one.
CNumbersOnThisThread::CNumbersOnThisThread() : m_windowsMode(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE))
{
    if (const char *now = std::setlocale(LC_NUMERIC, nullptr))
        m_old = _strdup(now);
    std::setlocale(LC_NUMERIC, "C");
}

CNumbersOnThisThread::~CNumbersOnThisThread()
{
    if (m_old) {
        std::setlocale(LC_NUMERIC, static_cast<const char *>(m_old));
        std::free(m_old);
    }
    _configthreadlocale(m_windowsMode);
}

#else

void keepRunningOnClosedConnections()
{
    std::signal(SIGPIPE, SIG_IGN);
}

CNumbersOnThisThread::CNumbersOnThisThread()
    : m_c(newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr))), m_old(m_c ? uselocale(locale_t(m_c)) : nullptr)
{
}

CNumbersOnThisThread::~CNumbersOnThisThread()
{
    if (m_c) {
        uselocale(locale_t(m_old));
        freelocale(locale_t(m_c));
    }
}

#endif

} // namespace dravino
