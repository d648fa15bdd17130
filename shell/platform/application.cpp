#include "shell/platform/application.h"

#include <exception>

#include "core/platform/version.h"
#include "shell/platform/messenger.h"

namespace quintara {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName("Quintara");
    setApplicationVersion(kVersion);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (messenger) messenger->Tell(activeWindow(), tMessenger::kError, kProgramTitle, e.what());
    } catch (...) {
        if (messenger) messenger->Tell(activeWindow(), tMessenger::kError, kProgramTitle, "unknown error");
    }
    return false;
}

}  // namespace quintara
