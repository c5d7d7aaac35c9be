#include "ui/ApplicationMessageHook.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
QPointer<QObject> &hookInPlace()
{
    static QPointer<QObject> hook;
    return hook;
}
}

QObject *ApplicationMessageHook::current()
{
    return hookInPlace().data();
}

void ApplicationMessageHook::set(QObject *hook)
{
    QPointer<QObject> &inPlace = hookInPlace();
    if (inPlace == hook)
        return;
    QCoreApplication *application = QCoreApplication::instance();
    if (inPlace && application)
        application->removeEventFilter(inPlace);
    inPlace = hook;
    if (hook && application)
        application->installEventFilter(hook);
}
