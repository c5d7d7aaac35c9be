#include "browser/engine/PageCallGate.h"

#include <QCoreApplication>
#include <QPointer>
#include <deque>

namespace {
struct HeldTask
{
    QPointer<const QObject> context;
    std::function<void()> task;
};

int holds = 0;
bool deliveryScheduled = false;
std::deque<HeldTask> held;
}

bool PageCallGate::busy()
{
    return holds > 0;
}

void PageCallGate::report(const QObject *context, std::function<void()> task)
{
    QPointer<const QObject> guard(context);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [guard, task = std::move(task)] {
            if (guard)
                deliver(guard, task);
        },
        Qt::QueuedConnection);
}

void PageCallGate::deliver(const QObject *context, std::function<void()> task)
{
    if (!busy() && held.empty()) {
        task();
        return;
    }
    held.push_back(HeldTask{context, std::move(task)});
    scheduleDelivery();
}

void PageCallGate::scheduleDelivery()
{
    if (busy() || held.empty() || deliveryScheduled)
        return;
    deliveryScheduled = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &PageCallGate::deliverHeld, Qt::QueuedConnection);
}

void PageCallGate::deliverHeld()
{
    deliveryScheduled = false;
    while (!busy() && !held.empty()) {
        HeldTask next = std::move(held.front());
        held.pop_front();
        if (next.context)
            next.task();
    }
}

PageCallGate::Hold::Hold()
{
    ++holds;
}

PageCallGate::Hold::~Hold()
{
    --holds;
    scheduleDelivery();
}
