#include "browser/engine/FindBar.h"

#include <QEvent>
#include <algorithm>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QWebEngineFindTextResult>
#include <QLineEdit>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

FindBar::FindBar(QWebEngineView &view)
    : QWidget(&view), m_view(view), m_text(new QLineEdit(this)), m_result(new QLabel(this))
{
    setObjectName(QStringLiteral("FindBar"));
    setAutoFillBackground(true);
    m_text->setPlaceholderText(QStringLiteral("Find on this page"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_text);
    m_result->setObjectName(QStringLiteral("FindResult"));
    layout->addWidget(m_result);
    const auto addButton = [this, layout](const QString &text, void (FindBar::*slot)()) {
        auto *button = new QToolButton(this);
        button->setText(text);
        connect(button, &QToolButton::clicked, this, slot);
        layout->addWidget(button);
    };
    addButton(QStringLiteral("Previous"), &FindBar::findPrevious);
    addButton(QStringLiteral("Next"), &FindBar::findNext);
    addButton(QStringLiteral("Close"), &FindBar::dismiss);
    connect(m_text, &QLineEdit::textEdited, this, &FindBar::findNext);
    connect(m_text, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(view.page(), &QWebEnginePage::findTextFinished, this, &FindBar::showResult);
    view.installEventFilter(this);
    // Esc in the box is the bar's own key, ahead of the window's Stop.
    m_text->installEventFilter(this);
    hide();
}

void FindBar::open()
{
    place();
    show();
    raise();
    m_text->selectAll();
    m_text->setFocus(Qt::ShortcutFocusReason);
}

void FindBar::findNext()
{
    m_view.page()->findText(m_text->text());
}

void FindBar::findPrevious()
{
    m_view.page()->findText(m_text->text(), QWebEnginePage::FindBackward);
}

void FindBar::showResult(const QWebEngineFindTextResult &result)
{
    if (m_text->text().isEmpty())
        m_result->clear();
    else if (result.numberOfMatches() == 0)
        m_result->setText(QStringLiteral("not found"));
    else
        m_result->setText(QString::number(result.activeMatch()) + QStringLiteral(" of ")
                          + QString::number(result.numberOfMatches()));
}

void FindBar::dismiss()
{
    hide();
    m_result->clear();
    m_view.page()->findText(QString());
    m_view.setFocus(Qt::OtherFocusReason);
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_view && event->type() == QEvent::Resize && isVisible())
        place();
    if (watched == m_text && event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        dismiss();
        return;
    case Qt::Key_Up:
        findPrevious();
        return;
    case Qt::Key_Down:
        findNext();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The box found the next match already; the key goes no further, not to the page.
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FindBar::place()
{
    adjustSize();
    const int width = std::min(sizeHint().width() + 120, m_view.width());
    resize(width, sizeHint().height());
    move(m_view.width() - width, 0);
}
