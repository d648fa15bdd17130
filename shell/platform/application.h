// The program's application object: an exception that escapes an event
// handler is shown in a message box and the program goes on.
#pragma once

#include <QApplication>

namespace quintara {

class tMessenger;

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    void SetMessenger(tMessenger* m) { messenger = m; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    tMessenger* messenger = nullptr;
};

}  // namespace quintara
