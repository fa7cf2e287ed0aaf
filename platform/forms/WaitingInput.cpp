// DropWaitingInput: the waiting messages run, the input among them that would start an action
// is dropped.
#include "platform/forms/Runtime.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>

namespace qby {

namespace {

// Installed on the application while the waiting messages run; it drops what would press a
// button or a key, at the loop level it was installed at only.
class InputDropper : public QObject {
public:
    explicit InputDropper(int loopLevel) : loopLevel_(loopLevel) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (QThread::currentThread()->loopLevel() != loopLevel_)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            return true;
        default:
            return false;
        }
    }

private:
    int loopLevel_;
};

}  // namespace

void DropWaitingInput()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return;
    InputDropper dropper(QThread::currentThread()->loopLevel());
    app->installEventFilter(&dropper);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    app->removeEventFilter(&dropper);
}

}  // namespace qby
