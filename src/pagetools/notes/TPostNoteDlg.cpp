#include "pagetools/notes/TPostNoteDlg.h"

#include "pagetools/notes/TfrmPostNote.h"

#include <QPointer>

TPostNoteDlg::Runner TPostNoteDlg::windowOver(QWidget *parent)
{
    return [owner = QPointer<QWidget>(parent)](QString &subject, QString &message) {
        TfrmPostNote form(owner);
        form.setTexts(subject, message);
        if (form.exec() != QDialog::Accepted)
            return false;
        subject = form.subject();
        message = form.message();
        return true;
    };
}

bool TPostNoteDlg::Execute()
{
    return m_runner && m_runner(Subject, TextMessage);
}
