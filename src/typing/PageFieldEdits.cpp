#include "typing/PageFieldEdits.h"

#include "browser/BrowserControl.h"
#include "typing/InPageTypingAids.h"

#include <QPointer>

PageFieldEdits::PageFieldEdits(InPageTypingAids &aids, MayAct mayAct, QObject *parent)
    : QObject(parent), m_aids(aids), m_mayAct(std::move(mayAct))
{
}

void PageFieldEdits::watch(BrowserControl *control)
{
    QPointer<BrowserControl> guarded(control);
    connect(control, &BrowserControl::fieldEdited, this,
            [this, guarded](const QString &field, bool typedSpace, const QString &value, int caret) {
                if (guarded)
                    answer(guarded, field, typedSpace, value, caret);
            });
}

void PageFieldEdits::answer(BrowserControl *control, const QString &field, bool typedSpace, const QString &value,
                            int caret)
{
    if (!m_mayAct(control)) {
        control->answerFieldEdit(field, value, value, caret);
        return;
    }
    const WordExpander::Result result = m_aids.fieldEdited(typedSpace, value, caret);
    control->answerFieldEdit(field, value, result.text, result.caret);
}
