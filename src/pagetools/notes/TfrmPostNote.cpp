#include "pagetools/notes/TfrmPostNote.h"

#include "ui/CentreOnDesktop.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QChar FieldSeparator = QLatin1Char('|');

QString withoutSeparators(QString text)
{
    return text.remove(FieldSeparator);
}
}

TfrmPostNote::TfrmPostNote(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_subject(new QLineEdit(this)), m_message(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Post Web Note"));
    setFixedSize(ClientWidth, ClientHeight);
    m_subject->setObjectName(QStringLiteral("edSubject"));
    m_message->setObjectName(QStringLiteral("memMessage"));
    m_message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_subject->installEventFilter(this);
    m_message->installEventFilter(this);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Subject:"), this));
    layout->addWidget(m_subject);
    layout->addWidget(new QLabel(QStringLiteral("Message:"), this));
    layout->addWidget(m_message, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    centreOnDesktop(this);
}

void TfrmPostNote::setTexts(const QString &subject, const QString &message)
{
    m_subject->setText(subject);
    m_message->setPlainText(message);
}

QString TfrmPostNote::subject() const
{
    return withoutSeparators(m_subject->text());
}

QString TfrmPostNote::message() const
{
    return withoutSeparators(m_message->toPlainText());
}

bool TfrmPostNote::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->text().contains(FieldSeparator))
        return true;
    return QDialog::eventFilter(watched, event);
}
