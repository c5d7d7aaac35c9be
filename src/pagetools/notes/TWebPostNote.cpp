#include "pagetools/notes/TWebPostNote.h"

#include "pagetools/notes/TPostNoteDlg.h"
#include "ui/Prompter.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace {
const QString ShowScrollBar = QStringLiteral("&Show Scroll Bar");
const QString HideScrollBar = QStringLiteral("&Hide Scroll Bar");
constexpr int IconSize = 32;
}

TWebPostNote::TWebPostNote(QWidget *view, TPostNoteDlg &dialog, Prompter &prompter)
    : QFrame(view), m_dialog(dialog), m_prompter(prompter), m_image(new QLabel(this)), m_subject(new QLabel(this)),
      m_message(new QPlainTextEdit(this)), m_menu(new QMenu(this))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setAutoFillBackground(true);
    resize(ClosedSize, ClosedSize);

    const QPoint client = contentsRect().topLeft();
    m_image->move(client);
    m_image->resize(IconSize, IconSize);
    m_image->installEventFilter(this);

    QFont bold = m_subject->font();
    bold.setBold(true);
    m_subject->setFont(bold);
    m_subject->setGeometry(client.x() + 33, client.y() + 5, 117, 21);

    m_message->setReadOnly(true);
    m_message->setFrameStyle(QFrame::NoFrame);
    m_message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_message->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_message->hide();

    m_menu->addAction(QStringLiteral("&Edit"), this, &TWebPostNote::Edit1Click);
    m_menu->addAction(QStringLiteral("&Delete"), this, &TWebPostNote::Delete1Click);
    m_menu->addSeparator();
    m_scrollBarEntry = m_menu->addAction(ShowScrollBar, this, &TWebPostNote::ShowScrollBar1Click);
    connect(m_menu, &QMenu::aboutToShow, this, &TWebPostNote::PopupMenuPopup);
    for (QWidget *part : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_image),
                          static_cast<QWidget *>(m_subject), static_cast<QWidget *>(m_message)}) {
        part->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(part, &QWidget::customContextMenuRequested, this,
                [this, part](const QPoint &pos) { m_menu->popup(part->mapToGlobal(pos)); });
    }
}

QString TWebPostNote::Subject() const
{
    return m_subject->text();
}

void TWebPostNote::setSubject(const QString &subject)
{
    m_subject->setText(subject);
    m_image->setToolTip(subject);
}

QString TWebPostNote::TextMessage() const
{
    return m_message->toPlainText();
}

void TWebPostNote::setTextMessage(const QString &message)
{
    m_message->setPlainText(message);
}

void TWebPostNote::setPicture(const QPixmap &picture)
{
    m_image->setPixmap(picture);
    if (!picture.isNull())
        m_image->resize(picture.size());
}

bool TWebPostNote::hasScrollBar() const
{
    return m_message->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
}

void TWebPostNote::ImageDblClick()
{
    if (isOpen()) {
        resize(ClosedSize, ClosedSize);
        m_message->hide();
        return;
    }
    resize(OpenSize, OpenSize);
    const QRect client = contentsRect();
    const int top = m_image->height();
    m_message->setGeometry(client.left(), client.top() + top, client.width(), client.height() - top);
    m_message->show();
}

void TWebPostNote::ImageMouseDown(const QPoint &point)
{
    m_press = point;
}

bool TWebPostNote::takesStep(int current, int next, int limit)
{
    if (next >= 0 && next < limit)
        return true;
    // Out of bounds already (the view shrank): any step back towards the view is taken.
    return (current >= limit && next < current && next >= 0) || (current < 0 && next > current && next < limit);
}

void TWebPostNote::ImageMouseMove(const QPoint &point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    if (buttons != Qt::LeftButton || modifiers != Qt::NoModifier || !parentWidget())
        return;
    const QRect client = parentWidget()->contentsRect();
    const int left = x() + point.x() - m_press.x();
    const int top = y() + point.y() - m_press.y();
    move(takesStep(x(), left, client.width() - width()) ? left : x(),
         takesStep(y(), top, client.height() - height()) ? top : y());
}

void TWebPostNote::PopupMenuPopup()
{
    m_scrollBarEntry->setText(hasScrollBar() ? HideScrollBar : ShowScrollBar);
}

void TWebPostNote::Edit1Click()
{
    m_dialog.Subject = Subject();
    m_dialog.TextMessage = TextMessage();
    if (!m_dialog.Execute())
        return;
    setSubject(m_dialog.Subject);
    setTextMessage(m_dialog.TextMessage);
}

void TWebPostNote::Delete1Click()
{
    if (m_prompter.question(QStringLiteral("Do you want to delete this message?"), QString(),
                            Prompter::Buttons::YesNo)
        != Prompter::Answer::Yes)
        return;
    // Off the view at once, so it no longer counts as one of its notes; freed once the menu
    // that asked is done.
    hide();
    setParent(nullptr);
    deleteLater();
}

void TWebPostNote::ShowScrollBar1Click()
{
    m_message->setVerticalScrollBarPolicy(hasScrollBar() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

bool TWebPostNote::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_image) {
        switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                ImageDblClick();
                return true;
            }
            break;
        case QEvent::MouseButtonPress: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton)
                ImageMouseDown(mouse->position().toPoint());
            break;
        }
        case QEvent::MouseMove: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            ImageMouseMove(mouse->position().toPoint(), mouse->buttons(), mouse->modifiers());
            return true;
        }
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}
