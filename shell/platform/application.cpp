#include "shell/platform/application.h"

#include <exception>

#include "shell/platform/messenger.h"

namespace quintara {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName("Quintara");
    setApplicationVersion("5.1");
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (messenger) messenger->Tell(activeWindow(), tMessenger::kError, QStringLiteral("Quintara 5.1"), e.what());
    } catch (...) {
        if (messenger) messenger->Tell(activeWindow(), tMessenger::kError, QStringLiteral("Quintara 5.1"), "unknown error");
    }
    return false;
}

}  // namespace quintara
